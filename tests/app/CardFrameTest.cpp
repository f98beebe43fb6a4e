// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/SampleCard.h"
#include "output/QtSurface.h"

#include <QImage>
#include <cmath>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

SampleCardInput CardInput()
{
    SampleCardInput input;
    input.Options.SizeIndex = 1;
    input.Options.Heading = true;
    input.Options.FreeSpace = true;
    for (int i = 0; i < 24; ++i)
        input.Cells << QStringLiteral("word %1").arg(i);
    return input;
}

} // namespace

// Painted for real, the card's frame is whole at every size the window gives it: at the
// form's own 441 x 313 and grown for a large desktop font or a scaled screen.
TEST(SampleCard, TheFrameIsWholeAtEverySize)
{
    for (const QSize size : {QSize(441, 313), QSize(639, 454), QSize(723, 513), QSize(662, 470)}) {
        QImage image(size, QImage::Format_RGB32);
        QtSurface surface(96, QColor(232, 232, 232));
        QPainter painter(&image);
        surface.Attach(&painter);
        SampleCardInput input = CardInput();
        input.Width = size.width();
        input.Height = size.height();
        input.FontName = "Arial";
        input.FontSize = 20;
        PaintSampleCard(surface, input);
        surface.Attach(nullptr);
        painter.end();
        const int colW = (size.width() - 1) / 5;
        for (int c = 0; c < 5; ++c)
            EXPECT_LT(qGray(image.pixel(c * colW + colW / 2, 0)), 100) << size.width() << " column " << c;
    }
}

#include "platform/ui/FormScale.h"
#include "widgets/PaintBox.h"
#include "support/MainWindowFixture.h"
#include <QCheckBox>

#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QToolButton>

// With a large desktop font the window grows with it: nothing clipped, nothing overlapping,
// every menu in sight, and the sample card's frame whole.
TEST_F(MainWindowTest, ALargeDesktopFontGrowsTheWindow)
{
    const QFont before = QApplication::font();
    for (const int pixels : {11, 19, 21, 27}) {
        SCOPED_TRACE(pixels);
        QFont desktop = before;
        desktop.setPixelSize(pixels);
        FormScale::Set(FormScale::ForFont(desktop));
        QFont windowFont("Liberation Sans");
        windowFont.setPixelSize(FormScale::Px(FormScale::DesignFontPixels));
        QApplication::setFont(windowFont);
        auto window = std::make_unique<TFrmMain>(TFrmMain::Services{Asks, Printer, SeedClock, Desktop});
        TFrmMain& w = *window;
        if (pixels == 11) {
            EXPECT_EQ(w.size(), QSize(677, w.FormY(492))); // the design itself
        }
        w.WordList.InsertMany({"Apple", "Pear", "Fig"});
        w.ArrangeCard();
        w.show();
        QApplication::processEvents();
        // The window fits its screen (scrolling where it must), and every label's and check
        // box's text fits its box, for cards and for tickets.
        const QSize room = w.screen()->availableGeometry().size();
        EXPECT_LE(w.width(), room.width());
        EXPECT_LE(w.height(), room.height());
        for (const bool tickets : {false, true}) {
            w.ShowTickets(tickets);
            for (QWidget* c : w.findChildren<QWidget*>()) {
                if (auto* label = qobject_cast<QLabel*>(c); label && !label->wordWrap() && !label->text().isEmpty() && label->isVisible()) {
                    EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
                }
                if (auto* box = qobject_cast<QCheckBox*>(c)) {
                    const int needed = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                                       box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
                                       box->fontMetrics().horizontalAdvance(box->text().trimmed());
                    EXPECT_LE(needed, box->width()) << box->text().toStdString();
                }
            }
            if (tickets)
                break;
            // No menu hides behind the menu bar's extension button.
            auto* more = w.findChild<QMenuBar*>()->findChild<QToolButton*>("qt_menubar_ext_button");
            EXPECT_TRUE(!more || !more->isVisible());
            // The card's top edge is drawn, and nothing covers it.
            // (On a screen scaled by 1.5 the grab is in device pixels.)
            if (auto* scroller = w.findChild<QScrollArea*>()) // a form larger than the screen, from its top
                scroller->ensureVisible(0, 0);
            const QImage whole = w.grab().toImage();
            const qreal dpr = whole.devicePixelRatio();
            const QPoint card = w.PB->mapTo(&w, QPoint(0, 0));
            const int top = static_cast<int>(std::ceil(card.y() * dpr));
            for (int x : {card.x() + w.PB->width() / 10, card.x() + w.PB->width() / 2}) {
                int darkest = 255;
                for (int y = top; y < top + static_cast<int>(std::ceil(dpr)); ++y)
                    darkest = std::min(darkest, qGray(whole.pixel(static_cast<int>(x * dpr), y)));
                EXPECT_LT(darkest, 100) << "at x " << x << ", scale " << dpr;
            }
        }
        window.reset();
    }
    FormScale::Set(1.0);
    QApplication::setFont(before);
}
