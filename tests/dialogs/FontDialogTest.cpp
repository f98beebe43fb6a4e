#include "dialogs/UnitFrmAbout.h"
#include "dialogs/UnitFrmFont.h"
#include "support/MainWindowFixture.h"

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
    // Picking a size shows at once.
    dialog.CboFontSize->setCurrentIndex(15);
    Q_EMIT dialog.CboFontSize->activated(15);
    EXPECT_EQ(dialog.LblFont->font().pointSize(), 72);
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

    TFrmAbout about(&w, Desktop);
    EXPECT_EQ(about.Label1->text(), "Plumwick V4.1");
    EXPECT_EQ(about.size(), QSize(286, 225));
    EXPECT_EQ(about.LblEmail->cursor().shape(), Qt::PointingHandCursor);
    about.show();
    QTest::mouseClick(about.LblEmail, Qt::LeftButton);
    QTest::mouseClick(about.LblWebsite, Qt::LeftButton);
    EXPECT_TRUE(about.isVisible()); // a link leaves the box open
    EXPECT_EQ(Desktop.Opened[2], QUrl("mailto:" + TFrmAbout::SupportEmail));
    EXPECT_EQ(Desktop.Opened[3], QUrl(TFrmAbout::Homepage));
    about.BtnOk->click();
    EXPECT_FALSE(about.isVisible());
}
