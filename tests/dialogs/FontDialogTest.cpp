// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/UnitFrmAbout.h"
#include "dialogs/UnitFrmFont.h"
#include "platform/ui/QtShell.h"
#include "support/MainWindowFixture.h"

#include "settings/DataFolders.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

class FontDialogTest : public MainWindowTest {};

TEST_F(FontDialogTest, OpensWithArialTwentyWhenNothingIsStored)
{
    TFrmFonts dialog(nullptr, Asks);
    EXPECT_EQ(dialog.windowTitle(), "Font Options");
    EXPECT_EQ(dialog.CboFontName->currentText(), "Arial");
    EXPECT_EQ(dialog.CboFontSize->currentText(), "20");
    EXPECT_EQ(dialog.CboFontSize->count(), 16);
    EXPECT_EQ(dialog.CboFontSize->itemText(15), "72");
    EXPECT_EQ(dialog.LblFont->text(), "Font Test");
    EXPECT_EQ(dialog.LblFont->font().pointSize(), 20);
    // Opens on the name; a screen reader hears each box's value.
    EXPECT_EQ(dialog.focusWidget(), dialog.CboFontName);
    EXPECT_EQ(dialog.CboFontName->accessibleDescription(), "Arial");
    EXPECT_EQ(dialog.CboFontSize->accessibleDescription(), "20");
    // Picking a size shows at once.
    dialog.CboFontSize->setCurrentIndex(15);
    Q_EMIT dialog.CboFontSize->activated(15);
    EXPECT_EQ(dialog.LblFont->font().pointSize(), 72);
    EXPECT_EQ(dialog.CboFontSize->accessibleDescription(), "72");
    EXPECT_EQ(dialog.LblFont->size(), QSize(185, 28));
}

TEST_F(FontDialogTest, StoredValuesThatDoNotMatch)
{
    WriteSettings("[Options]\r\nFountName=arial\r\nFontSize=13\r\n");
    TFrmFonts dialog(nullptr, Asks);
    EXPECT_EQ(dialog.CboFontName->currentText(), "Arial"); // case counts: falls back to Arial
    EXPECT_EQ(dialog.CboFontSize->currentIndex(), -1);
    EXPECT_EQ(dialog.LblFont->font().pointSize(), 13);
    // Another face while no size is picked: the face changes, then the size error.
    const int dejaVu = dialog.CboFontName->findText("DejaVu Sans");
    ASSERT_GE(dejaVu, 0);
    dialog.CboFontName->setCurrentIndex(dejaVu);
    Asks.ExpectError("'' is not a valid integer value");
    Q_EMIT dialog.CboFontName->activated(dejaVu);
    EXPECT_EQ(dialog.LblFont->font().family(), "DejaVu Sans");
    // OK writes both keys; the size empty.
    dialog.BtnOK->click();
    EXPECT_EQ(Settings(), "[Options]\r\nFountName=DejaVu Sans\r\nFontSize=\r\n");
}

TEST_F(FontDialogTest, BadStoredSizeIsReportedAndTheDialogStillOpens)
{
    WriteSettings("[Options]\r\nFontSize=big\r\n");
    Asks.ExpectError("'big' is not a valid integer value");
    TFrmFonts dialog(nullptr, Asks);
    EXPECT_EQ(dialog.LblFont->font().pointSize(), 8);
}

TEST_F(FontDialogTest, CancelWritesNothingAndTheWindowRereadsAndRedraws)
{
    WriteSettings("[Options]\r\nFountName=DejaVu Sans\r\nFontSize=14\r\n");
    TFrmMain& w = Open();
    WriteSettings("[Options]\r\nFountName=DejaVu Sans\r\nFontSize=18\r\n");
    const int redraws = w.RedrawCount;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TFrmFonts*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->BtnCancel->click();
    });
    w.MnuFont->trigger();
    EXPECT_EQ(Settings(), "[Options]\r\nFountName=DejaVu Sans\r\nFontSize=18\r\n");
    EXPECT_EQ(w.CardFontSize, 18);
    EXPECT_EQ(w.RedrawCount, redraws + 1);

    // OK without a change rewrites both keys with their values.
    QTimer::singleShot(0, [] { qobject_cast<TFrmFonts*>(QApplication::activeModalWidget())->BtnOK->click(); });
    w.MnuFont->trigger();
    EXPECT_EQ(Settings(), "[Options]\r\nFountName=DejaVu Sans\r\nFontSize=18\r\n");
}

TEST_F(FontDialogTest, AboutBoxAndHelpOpenThroughTheDesktop)
{
    TFrmMain& w = Open();
    w.MnuHomepage->trigger();
    w.MnuHelpFile->trigger();
    ASSERT_EQ(Desktop.Opened.size(), 2);
    EXPECT_EQ(Desktop.Opened[0], QUrl(TFrmAbout::Homepage));
    EXPECT_TRUE(Desktop.Opened[1].isLocalFile());
    EXPECT_TRUE(Desktop.Opened[1].toLocalFile().endsWith("/help.html"));
    EXPECT_FALSE(Desktop.Opened[1].toLocalFile().contains("//"));

    TFrmAbout about(&w, Desktop, Asks);
    EXPECT_EQ(about.Label1->text(), "Plumwick V" PLUMWICK_VERSION_SHORT);
    EXPECT_EQ(QString(PLUMWICK_VERSION_SHORT), QString(PLUMWICK_VERSION).section(u'.', 0, 1));
    EXPECT_EQ(about.size(), QSize(286, 211));
    EXPECT_EQ(about.LblEmail->cursor().shape(), Qt::PointingHandCursor);
    about.show();
    QTest::mouseClick(about.LblEmail, Qt::LeftButton);
    QTest::mouseClick(about.LblWebsite, Qt::LeftButton);
    EXPECT_TRUE(about.isVisible()); // a link leaves the box open
    EXPECT_EQ(Desktop.Opened[2], QUrl("mailto:" + TFrmAbout::SupportEmail));
    EXPECT_EQ(Desktop.Opened[3], QUrl(TFrmAbout::Homepage));
    about.BtnOk->click();
    EXPECT_FALSE(about.isVisible());

    // Opened afresh, Enter presses OK: the focus starts there, not on a link.
    TFrmAbout again(&w, Desktop, Asks);
    again.show();
    QApplication::setActiveWindow(&again);
    EXPECT_EQ(again.focusWidget(), again.BtnOk);
    QTest::keyClick(again.focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(Desktop.Opened.size(), 4);
}

// Where nothing can open a page, the user is told so, with the address; the links and
// names are the build's settings, under the reserved example domain unless set.
TEST_F(FontDialogTest, LinksThatNothingOpensSaySo)
{
    EXPECT_EQ(TFrmAbout::Homepage, PLUMWICK_HOMEPAGE);
    EXPECT_FALSE(TFrmAbout::Homepage.contains("plumwick.org"));
    TFrmMain& w = Open();
    Desktop.Fails = true;
    Asks.ExpectError(TFrmAbout::Homepage + " could not be opened: no program here opens it");
    w.MnuHomepage->trigger();
    Asks.ExpectError(HelpFilePath(QCoreApplication::applicationDirPath()) + " could not be opened: no program here opens it");
    w.MnuHelpFile->trigger();
    TFrmAbout about(&w, Desktop, Asks);
    about.show();
    Asks.ExpectError("mailto:" + TFrmAbout::SupportEmail + " could not be opened: no program here opens it");
    QTest::mouseClick(about.LblEmail, Qt::LeftButton);
}

// The title bar lies outside the windows here: no window keeps the empty band it took,
// and no control is cut off by its window's edge or sits on a group box's frame.
TEST_F(FontDialogTest, NoBandAndNothingClipped)
{
    TFrmMain& w = Open();
    TFrmFonts fonts(&w, Asks);
    TFrmAbout about(&w, Desktop, Asks);
    for (QWidget* window : std::initializer_list<QWidget*>{&w, &fonts, &about}) {
        window->show();
        int top = window->height();
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(window) || child->isWindow())
                continue;
            const QRect inWindow(child->mapTo(window, QPoint(0, 0)), child->size());
            EXPECT_TRUE(window->rect().contains(inWindow))
                << window->windowTitle().toStdString() << ": " << child->metaObject()->className() << " "
                << inWindow.y() << "+" << inWindow.height();
            if (child->parentWidget() == window && child != static_cast<QWidget*>(w.MainMenu))
                top = std::min(top, inWindow.y());
            if (auto* group = qobject_cast<QGroupBox*>(child->parentWidget())) {
                EXPECT_GE(child->y(), group->contentsRect().top()) << child->metaObject()->className();
            }
        }
        // The first control below the title bar starts within a few pixels of the top
        // (or, in the main window, directly under the menu bar).
        EXPECT_LE(top, window == &w ? w.MainMenu->height() : 16) << window->windowTitle().toStdString();
    }
    EXPECT_EQ(w.size(), QSize(677, 492 - w.TitleBand));
    EXPECT_GT(w.TitleBand, 20);
}

// Where xdg-open is there but nothing opens the page, its exit status is said.
TEST(DesktopOpener, AnOpenerThatFailsIsSaid)
{
    TempFolder bin;
    bin.Write("xdg-open", "#!/bin/sh\n[ \"$1\" = /no/such/help.html ] && exit 4\nexit 0\n");
    QFile::setPermissions(bin.Path("xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.Path().toLocal8Bit() + ":" + path);
    ScriptedPrompts asks;
    QtShell shell(asks);
    asks.ExpectError("/no/such/help.html could not be opened: no program here opens it (xdg-open ended with exit "
                     "status 4)");
    shell.Open(QUrl::fromLocalFile("/no/such/help.html"));
    shell.Open(QUrl("https://example.org/")); // opened: nothing said
    for (int waited = 0; waited < 10000 && !asks.Done(); waited += 20)
        QTest::qWait(20);
    QTest::qWait(300);
    EXPECT_TRUE(asks.Done());
    qputenv("PATH", path);
    EXPECT_EQ(asks.Shown.size(), 1);
}
