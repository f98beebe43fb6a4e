// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/FormScale.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

double Scale = 1.0;

// Controls placed by hand sit on the window or on a plain panel or group box; what sits on
// anything else (a combo box's line, a menu bar's buttons) is placed by that control.
bool PlacedByHand(const QWidget* control, const QWidget* window)
{
    const QWidget* parent = control->parentWidget();
    if (!parent || control->isWindow() || parent->layout())
        return false;
    if (parent == window || qobject_cast<const QGroupBox*>(parent))
        return true;
    const char* kind = parent->metaObject()->className();
    return qstrcmp(kind, "QFrame") == 0 || qstrcmp(kind, "QWidget") == 0;
}

} // namespace

namespace FormScale {

double ForFont(const QFont& desktop)
{
    const int pixels = QFontInfo(desktop).pixelSize();
    return pixels <= 12 ? 1.0 : pixels / double(DesignFontPixels);
}

double Current()
{
    return Scale;
}

void Set(double scale)
{
    Scale = std::max(1.0, scale);
}

int Px(int design)
{
    return static_cast<int>(std::lround(design * Scale));
}

void FitLabel(QWidget* label)
{
    label->adjustSize();
    label->resize(static_cast<int>(std::ceil(label->width() / Scale)), static_cast<int>(std::ceil(label->height() / Scale)));
}

void Apply(QWidget* window)
{
    if (Scale == 1.0)
        return;
    for (QWidget* control : window->findChildren<QWidget*>())
        if (PlacedByHand(control, window)) {
            const QRect g = control->geometry();
            const int left = Px(g.left()), top = Px(g.top());
            control->setGeometry(left, top, Px(g.right() + 1) - left, Px(g.bottom() + 1) - top);
        }
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(Px(window->width()), Px(window->height()));
    else
        window->resize(Px(window->width()), Px(window->height()));
}

void UseWindowFont()
{
    QFont windowFont(QStringLiteral("Liberation Sans"));
    windowFont.setPixelSize(Px(DesignFontPixels));
    QApplication::setFont(windowFont);
}

void FitTexts(QWidget* window)
{
    constexpr int Gap = 3;
    for (auto* box : window->findChildren<QCheckBox*>()) {
        const int room = box->parentWidget()->width() - Px(4) - box->x();
        const int wanted = std::min(box->sizeHint().width(), room);
        if (wanted > box->width())
            box->resize(wanted, box->height());
    }
    for (auto* label : window->findChildren<QLabel*>()) {
        QWidget* field = label->buddy();
        if (!field || field->parentWidget() != label->parentWidget() || field->x() <= label->x() ||
            field->y() >= label->geometry().bottom() || field->geometry().bottom() <= label->y())
            continue;
        const int needed = label->x() + label->sizeHint().width() + Gap;
        if (field->x() < needed) {
            const int right = field->geometry().right();
            field->setGeometry(needed, field->y(), right + 1 - needed, field->height());
        }
    }
}

void FitScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    // Room for the window manager's frame and title bar.
    const QSize room = screen->availableGeometry().size() - QSize(16, 48);
    const QSize form = window->size();
    if (form.width() <= room.width() && form.height() <= room.height())
        return;
    auto* scroller = new QScrollArea(window);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    content->setFixedSize(form);
    content->setAutoFillBackground(window->autoFillBackground());
    // In the scroll area first, so that the controls stay in their window's Tab order.
    scroller->setWidget(content);
    const QObjectList children = window->children();
    for (QObject* child : children) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control == scroller || control->isWindow())
            continue;
        const QRect place = control->geometry();
        const bool hidden = control->isHidden();
        control->setParent(content);
        control->setGeometry(place);
        control->setHidden(hidden);
    }
    const int bar = scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize shown(std::min(form.width() + bar, room.width()), std::min(form.height() + bar, room.height()));
    window->setFixedSize(shown);
    scroller->setGeometry(QRect(QPoint(0, 0), shown));
}

} // namespace FormScale
