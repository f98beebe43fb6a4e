// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Options > Card Design: the host gives the card a title, colours and a logo, sees each on the
// sample card, is told of a colour hard to read and of a picture that can't be used; the
// design is saved beside the list, opens with it, becomes the default for new lists, and
// is on the exported cards.
#include "app/CallerWindow.h"
#include "dialogs/CardDesignDialog.h"
#include "widgets/PictureView.h"
#include "widgets/PaintBox.h"
#include "output/CardExport.h"
#include "output/CardFilePrinter.h"
#include "output/CardPrinting.h"
#include "output/TicketPrinting.h"
#include "platform/Printers.h"
#include "platform/ui/Panel.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QPushButton* ColourButton(CardDesignDialog* dialog, QColor CardDesign::*colour)
{
    for (const CardDesignDialog::ColourButton& button : dialog->Colours)
        if (button.Colour == colour)
            return button.Button;
    return nullptr;
}

// A point of the free space on the main window's sample card (0.5, 0.5: its centre).
QColor FreeSpaceAt(TFrmMain& main, double x, double y)
{
    const QImage shown = main.PB->grab().toImage();
    const SampleGrid g = SampleCardGrid(main.Options(), main.PB->width(), main.PB->height(), 1,
                                        int(!main.Look.Design.Title.isEmpty()) + int(!main.Look.Design.Footer.isEmpty()),
                                        !main.Look.Design.Title.isEmpty());
    return shown.pixelColor(int(g.ColW * (2 + x)), g.Top + int(g.RowH * (3 + y)));
}

// One card or strip exported at 100 dpi into the folder.
ExportJob OneFile(const TempFolder& folder)
{
    ExportJob job;
    job.Card.Cards = 1;
    job.Folder = folder.Path();
    job.Dpi = 100;
    return job;
}

} // namespace

TEST_F(MainWindowTest, TheHostDesignsACardThatTravelsWithItsList)
{
    TFrmMain& main = Open();
    for (int i = 1; i <= 30; ++i)
        AddWord(QString::number(i));
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(QColor("#d04020"));
    QDir().mkpath(Home.Folder.Path("lists/art"));
    ASSERT_TRUE(red.save(Home.Folder.Path("lists/art/logo.png")));
    Home.Folder.Write("lists/art/broken.png", "\x89PNG\r\n\x1a\nnot really");
    EXPECT_EQ(FreeSpaceAt(main, 0.1, 0.1), QColor(PanelGrey, PanelGrey, PanelGrey));

    WhenOpen<CardDesignDialog>([&](CardDesignDialog* dialog) {
        QTest::keyClicks(dialog->EdtTitle, "Spring Fair");
        EXPECT_EQ(dialog->Look().Design.Title, "Spring Fair");
        // A grey that is hard to read on white is said, and said no more once it is darker.
        Asks.ExpectColour("#aaaaaa", "Colour of the Words");
        ColourButton(dialog, &CardDesign::Text)->click();
        EXPECT_TRUE(dialog->LblWarnings->text().startsWith("The words are hard to read: #aaaaaa on #ffffff has a contrast "
                                                           "of 2.3:1, under 4.5:1."))
            << dialog->LblWarnings->text().toStdString();
        EXPECT_EQ(ColourButton(dialog, &CardDesign::Text)->accessibleDescription(), "#aaaaaa");
        Asks.ExpectColour("#1a1a1a", "Colour of the Words");
        ColourButton(dialog, &CardDesign::Text)->click();
        Asks.ExpectColour(std::nullopt, "Colour of the Tint"); // cancelled: nothing changes
        ColourButton(dialog, &CardDesign::Tint)->click();
        EXPECT_FALSE(dialog->Look().Design.Tint.isValid());
        EXPECT_EQ(dialog->focusWidget(), ColourButton(dialog, &CardDesign::Tint)); // back on the button pressed
        EXPECT_TRUE(dialog->LblWarnings->isHidden());
        // A damaged picture is named and changes nothing; a good one is the logo, and small.
        Asks.ExpectOpen(Home.Folder.Path("lists/art/broken.png"), "Choose a Logo");
        Asks.ExpectErrorMatching("^The picture can't be used as a logo:\\n.*broken\\.png");
        dialog->BtnLogo->click();
        EXPECT_TRUE(dialog->Look().Logo.IsNull());
        Asks.ExpectOpen(Home.Folder.Path("lists/art/logo.png"), "Choose a Logo");
        dialog->BtnLogo->click();
        EXPECT_EQ(dialog->EdtLogo->text(), "logo.png");
        EXPECT_TRUE(dialog->LblWarnings->text().startsWith("The logo is small (40 x 40 pixels)"));
        dialog->ChkDefault->setChecked(true);
        dialog->accept();
    });
    main.MnuCardDesign->trigger();
    EXPECT_EQ(main.Look.Design.Title, "Spring Fair");
    EXPECT_TRUE(main.ListModified);
    EXPECT_EQ(FreeSpaceAt(main, 0.5, 0.5), QColor("#d04020")); // the sample card shows the logo
    EXPECT_TRUE(Settings().contains("[Card Design]\r\nTitle=Spring Fair\r\n")) << Settings().toStdString();

    // Saved beside the list, read back with it; a new list takes the default.
    const QString list = Home.Folder.Path("lists/Fair.pwk");
    Asks.ExpectSave(list);
    main.MnuFileSaveClick();
    EXPECT_TRUE(Home.Folder.Read("lists/Fair.design").contains("Logo=art/logo.png"));
    main.MnuFileNewClick();
    EXPECT_EQ(main.Look.Design.Title, "Spring Fair");
    Home.Folder.Write("Plumwick/Options.ini", "");
    main.MnuFileNewClick();
    EXPECT_TRUE(main.Look.IsPlain());
    main.ReplaceList(list, false);
    EXPECT_EQ(main.Look.Design.Text, QColor("#1a1a1a"));
    EXPECT_FALSE(main.Look.Logo.IsNull());

    // A logo gone missing is said when the list opens; the list opens all the same.
    QFile::remove(Home.Folder.Path("lists/art/logo.png"));
    Asks.ExpectErrorMatching("^The logo could not be used, and the cards have none:\\n");
    main.ReplaceList(list, false);
    EXPECT_EQ(main.WordList.Count(), 30);
    EXPECT_TRUE(main.Look.Logo.IsNull());
}

TEST(CardDesignOnFiles, AnExportedCardInItsColours)
{
    TempFolder folder;
    ExportJob job = OneFile(folder);
    job.Card.Look.Design.Title = "Spring Fair";
    job.Card.Look.Design.Band = QColor("#1f4e79");
    job.Card.Look.Design.Tint = QColor("#eef5fb");
    QImage logo(60, 60, QImage::Format_ARGB32);
    logo.fill(Qt::transparent); // a transparent picture leaves the free space's own colour
    for (int y = 20; y < 40; ++y)
        for (int x = 20; x < 40; ++x)
            logo.setPixelColor(x, y, QColor("#d04020"));
    job.Card.Look.Design.Logo = "logo.png";
    job.Card.Look.Design.FreeSpace = QColor("#fde9c8");
    job.Card.Look.Logo.Key = 7;
    job.Card.Look.Logo.Image = logo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QStringList words = QString("a b c d e f g h i j k l m n o p q r s t u v w x").split(' ');
    job.Cells = [words](int) { return words; };
    ASSERT_EQ(ExportCards(job), 1);
    const QImage png(folder.Path("card-0001.png"));
    ASSERT_FALSE(png.isGrayscale());
    // Laid out as one card to a page, with a row for the title above it.
    const DeviceCaps caps = CardFilePrinter::CapsFor(job.Paper, job.Dpi);
    const PageLayout page = LayoutPage(1, caps, 7, 5, 1);
    const QPoint corner(page.Cards[0].X - page.Z, page.Cards[0].Y - page.Z);
    const auto at = [&](double column, double row) {
        return png.pixelColor(QPoint(page.Cards[0].X + int(column * page.Z), page.Cards[0].Y + int(row * page.Z)) - corner);
    };
    EXPECT_EQ(at(0.1, 1.1), QColor("#1f4e79"));  // the band, below the title's row
    EXPECT_EQ(at(0.05, 2.05), QColor("#eef5fb")); // a cell's tint
    EXPECT_EQ(at(2.5, 4.5), QColor("#d04020"));   // the logo in the free space
    EXPECT_EQ(at(2.15, 4.15), QColor("#fde9c8")); // seen through its transparent corner
}

// Picture bingo in the window: a folder of pictures opened as a list, a picture added, the list
// saved elsewhere with its pictures named from there, opened again, and the caller showing a
// picture call by its caption.
TEST_F(MainWindowTest, APictureListFromAFolderSavedAndOpenedAgain)
{
    TFrmMain& main = Open();
    const QString art = Home.Folder.Path("lists/art");
    QDir().mkpath(art);
    for (int i = 0; i < 9; ++i) {
        QImage picture(30, 30, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 40, 220, 220));
        ASSERT_TRUE(picture.save(QString("%1/p%2.png").arg(art).arg(i)));
    }
    main.CboCardSize->setCurrentIndex(0); // 3 x 3
    Asks.ExpectFolder(Home.Folder.Path("empty-nowhere"), "Open a Folder of Pictures");
    Asks.ExpectInformation("There are no pictures in " + Home.Folder.Path("empty-nowhere") +
                           " (PNG, JPEG, SVG, GIF, BMP or WebP).");
    main.MnuOpenPictureFolder->trigger();
    Asks.ExpectFolder(art, "Open a Folder of Pictures");
    main.MnuOpenPictureFolder->trigger();
    ASSERT_EQ(main.WordList.Count(), 9);
    EXPECT_EQ(main.WordList.Items()[0], "[[picture:p0.png]] p0");
    EXPECT_EQ(main.WordList.data(main.WordList.index(0), Qt::DisplayRole).toString(), "Picture: p0");
    EXPECT_TRUE(main.ListModified);
    ASSERT_TRUE(main.Look.Pictures);
    EXPECT_EQ(main.Look.Pictures->Count(), 9);

    // A picture from elsewhere, added, is named whole; saved beside the folder, the list names
    // every picture from its own folder.
    QImage extra(20, 20, QImage::Format_RGB32);
    extra.fill(Qt::blue);
    ASSERT_TRUE(extra.save(Home.Folder.Path("blue sky.png")));
    main.AddPictures({Home.Folder.Path("blue sky.png"), Home.Folder.Path("notes.txt")});
    EXPECT_EQ(main.WordList.Count(), 10);
    Asks.ExpectSave(Home.Folder.Path("lists/Pictures.pwk"));
    main.MnuFileSaveClick();
    const QByteArray saved = Home.Folder.Read("lists/Pictures.pwk");
    EXPECT_TRUE(saved.startsWith("[[picture:" + Home.Folder.Path("blue sky.png").toUtf8() + "]] blue sky\r\n[[picture:art/p0.png]] p0\r\n"))
        << saved.toStdString();
    EXPECT_EQ(main.WordList.Items()[1], "[[picture:art/p0.png]] p0"); // the list is the file's now
    EXPECT_EQ(main.Look.Pictures->Count(), 10);

    // Opened again, from a folder moved whole.
    ASSERT_TRUE(QDir().rename(Home.Folder.Path("lists"), Home.Folder.Path("moved")));
    main.ReplaceList(Home.Folder.Path("moved/Pictures.pwk"), false);
    ASSERT_TRUE(main.Look.Pictures);
    EXPECT_EQ(main.Look.Pictures->Count(), 10);

    // The caller calls a picture by its caption.
    CallerWindow caller(&main, Asks, nullptr, [&] { return main.CurrentGameSource(); }, [] { return 5; });
    caller.Play(main.CurrentGameSource());
    caller.BtnNext->click();
    EXPECT_FALSE(caller.LblCall->text().contains("[[picture:"));
    EXPECT_TRUE(caller.LblCall->text().startsWith("p") || caller.LblCall->text() == "blue sky") << caller.LblCall->text().toStdString();
    EXPECT_FALSE(caller.CallPicture->isHidden());
}

// A design on 90-ball tickets: its colours on an exported ticket (the blanks in the band's
// colour, the numbers on the tint), with a footer on its line.
TEST(CardDesignOnFiles, ATicketInItsColours)
{
    TempFolder folder;
    ExportJob job = OneFile(folder);
    job.Card.Look.Design.Band = QColor("#1f4e79");
    job.Card.Look.Design.Tint = QColor("#fde9c8");
    job.Card.Look.Design.Footer = "Hall 2";
    job.Strips = [](int) { return NinetyBall::Dealer().Deal(std::uint64_t(11)); };
    ASSERT_EQ(ExportCards(job), 1);
    const QImage png(folder.Path(TicketFileName(1, 1, {}, ExportFormat::Png)));
    ASSERT_FALSE(png.isNull());
    ASSERT_FALSE(png.isGrayscale());
    const NinetyBall::Ticket ticket = NinetyBall::Dealer().Deal(std::uint64_t(11))[0];
    const DeviceCaps caps = CardFilePrinter::CapsFor(job.Paper, job.Dpi);
    const StripLayout layout = LayoutStrips(1, caps, 1);
    const QRect area = TicketFileArea(caps, 1);
    int blanks = 0, numbers = 0;
    for (int r = 0; r < NinetyBall::Rows; ++r)
        for (int c = 0; c < NinetyBall::Columns; ++c) {
            // Near a cell's corner, clear of its number.
            const QPoint at(layout.Strips[0].X + c * layout.CellWidth + 3, layout.Strips[0].Y + r * layout.CellHeight + 3);
            const QColor seen = png.pixelColor(at - area.topLeft());
            if (ticket.Cells[size_t(r)][size_t(c)] == 0)
                blanks += seen == QColor("#1f4e79");
            else
                numbers += seen == QColor("#fde9c8");
        }
    EXPECT_EQ(blanks, 12);
    EXPECT_EQ(numbers, 15);
}
