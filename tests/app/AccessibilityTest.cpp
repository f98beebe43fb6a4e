// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// What a screen reader finds: the sample card read out, every control under a name of its
// own, the tool bar's buttons, announcements of what just happened, readable disabled text.
#include "dialogs/UnitFrmAbout.h"
#include "dialogs/UnitFrmFont.h"
#include "app/CallerWindow.h"
#include "widgets/CardGridView.h"
#include "widgets/FocusRingStyle.h"
#include "game/CardView.h"
#include "support/Words.h"
#include "widgets/PaintBox.h"
#include "platform/ui/Announcer.h"
#include "support/Contrast.h"
#include "support/MainWindowFixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QStyleFactory>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>

namespace {

QString Name(QObject* object)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name) : QString();
}

QString Description(QObject* object)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Description) : QString();
}

// Every focusable control under `window`: a name, none twice among its siblings, none
// borrowed from a group box's title.
void ExpectOwnNames(QWidget* window)
{
    QStringList groupTitles;
    for (QGroupBox* group : window->findChildren<QGroupBox*>())
        groupTitles << group->title();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(window) || qobject_cast<QLabel*>(control))
            continue;
        const QString name = Name(control);
        EXPECT_FALSE(name.trimmed().isEmpty()) << control->metaObject()->className() << " has no name";
        EXPECT_FALSE(groupTitles.contains(name)) << control->metaObject()->className() << " is named " << name.toStdString();
        for (QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != control && sibling->focusPolicy() != Qt::NoFocus && !qobject_cast<QLabel*>(sibling)) {
                EXPECT_NE(Name(sibling), name) << name.toStdString() << " twice";
            }
        }
    }
}

} // namespace

TEST_F(MainWindowTest, AScreenReaderReadsTheCardAndEveryControl)
{
    TFrmMain& w = Open();
    w.show();
    EXPECT_EQ(Name(w.PB), "Sample card");
    EXPECT_EQ(w.Label2->buddy(), w.PB);
    EXPECT_NE(w.PB->focusPolicy(), Qt::NoFocus);
    QWidget* next = w.BtnDelete->nextInFocusChain();
    while (next && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, w.PB);
    AddWords({"3", "19", "38", "57", "65", "1", "2", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
              "15", "16", "17", "18", "20", "21"});
    // After a change the description reads the card out: heading, then each row.
    const QString description = Description(w.PB);
    EXPECT_TRUE(description.startsWith("Heading: B, I, N, G, O. Row 1: ")) << description.toStdString();
    EXPECT_TRUE(description.contains(QRegularExpression("Row 3: [^.]*, [^.]*, Free Space, ")));
    for (const QString& word : w.CardCells.mid(0, 24))
        EXPECT_TRUE(description.contains(word));
    EXPECT_EQ(w.LastAnnouncement(), "21 added: 24 words");
    // Cell by cell: a table of the heading row and five rows of five.
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(w.PB);
    ASSERT_NE(card->tableInterface(), nullptr);
    EXPECT_EQ(card->role(), QAccessible::Table);
    EXPECT_EQ(card->tableInterface()->rowCount(), 6);
    EXPECT_EQ(card->tableInterface()->columnCount(), 5);
    EXPECT_EQ(card->childCount(), 30);
    EXPECT_EQ(card->tableInterface()->cellAt(0, 2)->text(QAccessible::Name), "N");
    EXPECT_EQ(card->tableInterface()->cellAt(3, 2)->text(QAccessible::Name), "Free Space");
    EXPECT_EQ(card->tableInterface()->cellAt(1, 0)->text(QAccessible::Name), w.CardCells[0]);
    EXPECT_EQ(card->tableInterface()->cellAt(5, 4)->text(QAccessible::Name), w.CardCells[23]);
    QAccessibleInterface* cell = card->child(7);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(card->indexOfChild(cell), 7);
    EXPECT_EQ(cell->parent(), card);
    EXPECT_EQ(card->tableInterface()->cellAt(6, 0), nullptr);

    ExpectOwnNames(&w);
    EXPECT_EQ(Name(w.TxtFreeSpace), "Free space text");
    EXPECT_EQ(Name(w.TxtHeading), "Column heading text");
    EXPECT_EQ(Name(w.CboCardStr->lineEdit()), "Word");
    EXPECT_TRUE(Description(w.CboCardStr->lineEdit()).contains("Enter adds"));
    EXPECT_EQ(Name(w.ToolButtonNew), "New");
    EXPECT_EQ(Name(w.ToolButtonOpen), "Open");
    EXPECT_EQ(Name(w.ToolButtonSave), "Save");
    EXPECT_EQ(Name(w.ToolButtonPrint), "Print");

    TFrmFonts fonts(&w, Asks);
    fonts.show();
    ExpectOwnNames(&fonts);

    // Disabled text boxes stay readable (WCAG 2.1 AA).
    w.ChkFreeSpace->setChecked(false);
    const QPalette p = w.TxtFreeSpace->palette();
    EXPECT_GE(Contrast(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Disabled, QPalette::Base)), 4.5);
}

TEST_F(MainWindowTest, TheAboutBoxReadsWholeAndItsLinksWorkFromTheKeyboard)
{
    TFrmMain& w = Open();
    TFrmAbout about(&w, Desktop, Asks);
    about.show();
    QApplication::setActiveWindow(&about);
    EXPECT_EQ(Name(about.Label1), "Plumwick version " PLUMWICK_VERSION);
    EXPECT_EQ(Name(about.Image1), "Plumwick's icon: a bingo card");
    EXPECT_TRUE(Name(about.LblWebsite).contains(TFrmAbout::Homepage));
    EXPECT_TRUE(about.LblWebsite->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
    EXPECT_NE(about.LblEmail->focusPolicy(), Qt::NoFocus);
    // Tab to the link, Enter opens it.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    about.LblWebsite->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(about.LblWebsite->hasFocus());
    QTest::keyClick(about.LblWebsite, Qt::Key_Return);
    ASSERT_FALSE(Desktop.Opened.isEmpty());
    EXPECT_EQ(Desktop.Opened.back(), QUrl(TFrmAbout::Homepage));
}

// The focus ring is two pixels wide, in the highlight colour.
TEST(FocusRing, TwoPixelsWide)
{
    FocusRingStyle style;
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionFocusRect option;
    option.rect = image.rect();
    option.state = QStyle::State_HasFocus;
    option.palette.setColor(QPalette::Highlight, QColor(0, 0, 255));
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter);
    painter.end();
    int blue = 0;
    for (int x = 0; x < 6; ++x)
        blue += image.pixelColor(x, 10) == QColor(0, 0, 255) ? 1 : 0;
    EXPECT_GE(blue, 2);
}

// Buttons and lists that can't be typed in wear the same ring when they have the focus, from
// the moment their window opens with it, over every style the desktop may choose.
TEST(FocusRing, ButtonsAndListsWearItToo)
{
    for (const QString& name : QStyleFactory::keys()) {
        SCOPED_TRACE(name.toStdString());
        FocusRingStyle style(QStyleFactory::create(name));
        QWidget window;
        window.setStyle(&style);
        QPalette blue = window.palette();
        blue.setColor(QPalette::Highlight, QColor(0, 0, 255));
        window.setPalette(blue);
        auto* button = new QPushButton("OK", &window);
        button->setGeometry(10, 10, 80, 27);
        auto* list = new QComboBox(&window);
        list->addItems({"Letter", "A4"});
        list->setGeometry(10, 50, 120, 24);
        for (QWidget* w : std::initializer_list<QWidget*>{button, list})
            w->setStyle(&style);
        window.resize(200, 100);
        window.show();
        QApplication::setActiveWindow(&window);
        for (QWidget* control : std::initializer_list<QWidget*>{button, list}) {
            control->setFocus();
            ASSERT_TRUE(control->hasFocus());
            const QImage image = control->grab().toImage();
            int ring = 0;
            for (int x = 0; x < 4; ++x)
                ring += image.pixelColor(x, image.height() / 2) == QColor(0, 0, 255) ? 1 : 0;
            EXPECT_GE(ring, 2) << control->metaObject()->className();
        }
    }
}

// The caller's board and the checked card read as tables, cell by cell, with what is called.
TEST_F(MainWindowTest, TheBoardAndTheCheckedCardAreTables)
{
    TFrmMain& w = Open();
    w.WordList.InsertMany(NumberWords(1, 75));
    w.ArrangeCard();
    std::uint64_t r = 5;
    auto current = [&] { return w.CurrentGameSource(); };
    CallerWindow caller(&w, Asks, nullptr, current, [&] { return r += 0x9E3779B97F4A7C15ull; });
    caller.Play(current());
    caller.Next();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&caller);
    EXPECT_EQ(window->role(), QAccessible::Window);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(caller.Board);
    ASSERT_NE(board->tableInterface(), nullptr);
    QAccessibleTableInterface* table = board->tableInterface();
    EXPECT_EQ(table->rowCount(), 5);
    EXPECT_EQ(table->columnCount(), 16);
    // The called number's cell says so; every other one says it is not called.
    const QString called = caller.Draw()->Last();
    const int number = called.toInt();
    const QString cell = table->cellAt((number - 1) / 15, (number - 1) % 15 + 1)->text(QAccessible::Name);
    EXPECT_TRUE(cell.endsWith(called + ", called")) << cell.toStdString();
    const int other = number == 1 ? 2 : 1;
    EXPECT_TRUE(table->cellAt(0, other)->text(QAccessible::Name).endsWith(QString::number(other) + ", not called"));

    // The checked card: the winning line is said cell by cell.
    CardView card = MakeCardView(NumberWords(1, 24), w.Options());
    std::vector<bool> marked(25, false);
    for (int i = 0; i < 5; ++i)
        marked[i] = true;
    CardGridView grid;
    grid.Show(card, marked, {0, 1, 2, 3, 4});
    QAccessibleTableInterface* checked = QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    ASSERT_NE(checked, nullptr);
    EXPECT_EQ(checked->rowCount(), card.Heading.isEmpty() ? 5 : 6);
    const int first = card.Heading.isEmpty() ? 0 : 1;
    EXPECT_EQ(checked->cellAt(first, 0)->text(QAccessible::Name), card.Texts[0] + ", called, in the winning line");
    EXPECT_EQ(checked->cellAt(first + 1, 0)->text(QAccessible::Name), card.Texts[5] + ", not called");
}

TEST(Announcer, EveryAnnouncementIsSaidOnceInTurnAndNeverAgainByItsWindow)
{
    QWidget window;
    window.show();
    Announcer* speaker = Announcer::Of(&window);
    // Two in one moment (sharing started, then its address): both appear, in turn, each a
    // notification of its own whose text never changes while it may still be read.
    QStringList heard;
    const auto hear = [&] {
        if (QTest::qWaitFor([&] { return speaker->Showing() && !heard.contains(speaker->Showing()->accessibleName()); }))
            heard << speaker->Showing()->accessibleName();
    };
    speaker->Say("Sharing on");
    speaker->Say("Phones can join at http://127.0.0.1:8080/");
    hear();
    const QWidget* first = speaker->Showing();
    hear();
    EXPECT_EQ(heard, (QStringList{"Sharing on", "Phones can join at http://127.0.0.1:8080/"}));
    EXPECT_NE(speaker->Showing(), first);
    EXPECT_EQ(first->accessibleName(), "Sharing on");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(first))->role(), QAccessible::Notification);
    // The caller is hidden when closed and shown again for the next game: its last words
    // ("Now playing for: Full card") must not be spoken over the new game.
    window.hide();
    window.show();
    EXPECT_EQ(speaker->Showing(), nullptr);
}
