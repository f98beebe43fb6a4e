// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Every window's texts stand out from what they stand on, in a light and in a dark desktop
// theme, enabled and disabled (WCAG 2.1 AA: 4.5:1).
#include "app/CallerWindow.h"
#include "dialogs/CheckCardDialog.h"
#include "dialogs/ExportDialog.h"
#include "dialogs/PageSetupDialog.h"
#include "dialogs/WordsEditorDialog.h"
#include "dialogs/UnitFrmAbout.h"
#include "dialogs/UnitFrmFont.h"
#include "support/Contrast.h"
#include "widgets/CardGridView.h"
#include "dialogs/CardDesignDialog.h"
#include "dialogs/PatternEditorDialog.h"
#include "dialogs/PrizesDialog.h"
#include "widgets/PatternPicture.h"
#include "app/RoomDisplay.h"
#include "support/MainWindowFixture.h"
#include "support/Words.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

namespace {

// The colour pair each control's text is drawn in, in a colour group.
std::pair<QColor, QColor> TextPair(QWidget* w, QWidget* window, QPalette::ColorGroup group)
{
    const QPalette& p = w->palette();
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
        (qobject_cast<QComboBox*>(w) && static_cast<QComboBox*>(w)->isEditable()))
        return {p.color(group, QPalette::Text), p.color(group, QPalette::Base)};
    if (qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w))
        return {p.color(group, QPalette::ButtonText), p.color(group, QPalette::Button)};
    // Labels, check boxes and group captions stand on the window.
    return {p.color(group, QPalette::WindowText), window->palette().color(group, QPalette::Window)};
}

void ExpectReadable(QWidget* window, const char* name)
{
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QPlainTextEdit*>(w))
            controls << w;
    ASSERT_FALSE(controls.isEmpty()) << name;
    for (QWidget* w : controls) {
        if (w->property("ownColours").toBool())
            continue;
        for (auto group : {QPalette::Active, QPalette::Disabled}) {
            const auto [text, ground] = TextPair(w, window, group);
            EXPECT_GE(Contrast(text, ground), 4.5)
                << name << ": " << w->metaObject()->className() << " '" << w->objectName().toStdString() << "' "
                << (group == QPalette::Active ? "enabled " : "disabled ") << text.name().toStdString() << " on "
                << ground.name().toStdString();
        }
    }
}

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 110));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 110, 110));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(110, 110, 110));
    return dark;
}

class ThemeColours : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

} // namespace

TEST_P(ThemeColours, EveryTextOfEveryWindowIsReadable)
{
    const QPalette before = QApplication::palette();
    if (GetParam())
        QApplication::setPalette(DarkPalette());
    TFrmMain& w = Open();
    ExpectReadable(&w, "main window");
    CallerWindow caller(&w, Asks, nullptr, [&] { return w.CurrentGameSource(); }, [] { return 1; });
    ExpectReadable(&caller, "caller");
    CheckCardDialog check(&w, Asks, [&] { return w.CurrentGameSource(); });
    ExpectReadable(&check, "checker");
    const QList<GameRecord> games;
    ExportDialog exporting(&w, Asks, QDir::tempPath(), 4, &games);
    ExpectReadable(&exporting, "export");
    PageSetupDialog setup(&w, "Laser", {"Letter", "A4"}, "A4");
    ExpectReadable(&setup, "page setup");
    WordsEditorDialog words(&w, Asks, {"cat"});
    ExpectReadable(&words, "words editor");
    TFrmAbout about(&w, Desktop, Asks);
    ExpectReadable(&about, "about box");
    PrizesDialog prizes(&w, Asks, false, 5, PrizeRound::Usual(false));
    ExpectReadable(&prizes, "prizes");
    PatternEditorDialog patterns(&w, Asks);
    ExpectReadable(&patterns, "patterns");
    CardDesign design;
    design.Text = QColor("#bbbbbb"); // its warning shown too
    CardDesignDialog designing(&w, Asks, design, [&](Surface& s, int width, int height, const DesignedLook& look) {
        w.PaintCard(s, width, height, &look);
    });
    ExpectReadable(&designing, "card design");
    // A colour not chosen shows as a crossed square framed in the button's text colour: seen
    // on the button's ground (3:1 for a graphic).
    QPushButton* none = nullptr;
    for (QPushButton* b : designing.findChildren<QPushButton*>())
        if (b->accessibleDescription() == designing.tr("as on a plain card"))
            none = b;
    ASSERT_NE(none, nullptr);
    const QImage swatch = none->icon().pixmap(16, 16).toImage();
    EXPECT_GE(Contrast(swatch.pixelColor(0, 8), none->palette().color(QPalette::Button)), 3.0);
    RoomDisplay room(&w);
    room.ShowPrize("Prize 1 of 3: Any line", &ClassicPattern(WinPattern::AnyLine), 5, "Won: Any line: 3");
    ExpectReadable(&room, "room display");
    // To a screen reader it is a window named by its title.
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&room);
    EXPECT_EQ(shown->role(), QAccessible::Window);
    EXPECT_EQ(shown->text(QAccessible::Name), "Room Display");
    // The full card's picture shows its cells, apart, in the text's colour on the window's.
    PatternPicture full(nullptr, 12);
    full.Show(&ClassicPattern(WinPattern::FullCard), 5);
    full.resize(full.sizeHint());
    const QImage cells = full.grab().toImage();
    const QColor ink = full.palette().color(QPalette::WindowText);
    int inked = 0;
    for (int x = 0; x < cells.width(); ++x)
        inked += cells.pixelColor(x, 6) == ink;
    EXPECT_GT(inked, cells.width() / 2);
    EXPECT_LT(inked, cells.width() - 4); // the gaps between cells
    // A checked card is drawn on white whatever the theme: its heading too is dark on it.
    CardGridView grid(nullptr);
    grid.resize(300, 360);
    CardOptions options;
    grid.Show(MakeCardView(NumberWords(1, 24), options), {}, {});
    const QImage drawn = grid.grab().toImage();
    // Inside the heading's first cell ("B"), away from its lines.
    const int cell = std::min((grid.width() - 1) / 5, (grid.height() - 1) / 6);
    const int left = (grid.width() - cell * 5) / 2, top = (grid.height() - cell * 6) / 2;
    int darkest = 255;
    for (int y = top + cell / 5; y < top + cell * 4 / 5; ++y)
        for (int x = left + cell / 5; x < left + cell * 4 / 5; ++x)
            darkest = std::min(darkest, qGray(drawn.pixel(x, y)));
    EXPECT_LT(darkest, 80) << "the heading letters stand out on the card";
    QApplication::setPalette(before);
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, ThemeColours, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });
