// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A card's design: contrast measured as the accessibility guidelines do, the parts said to be
// hard to read, and the design kept beside its list (its logo named relative to the list's
// folder), with nothing left behind by a plain design.
#include "card/CardDesign.h"
#include "platform/ProfileFile.h"
#include "settings/DesignFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(CardDesign, ContrastAndTheTextsHardToRead)
{
    const struct {
        QColor A, B;
        double Ratio;
    } ratios[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},
        {QColor("#777777"), Qt::white, 4.48},
        {QColor("#767676"), Qt::white, 4.54},
        {QColor("#1f4e79"), QColor("#eef5fb"), 7.87},
        {QColor("#ff0000"), QColor("#ff0000"), 1.0},
    };
    for (const auto& r : ratios)
        EXPECT_NEAR(ContrastRatio(r.A, r.B), r.Ratio, 0.01) << r.A.name().toStdString() << " on " << r.B.name().toStdString();

    EXPECT_TRUE(LowContrasts(CardDesign()).empty());
    CardDesign design;
    design.Band = QColor("#f2c12e");  // yellow band, letters left black: fine
    design.Tint = QColor("#ffffe0");
    design.Text = QColor("#999999");  // grey words: low on the tint, the free space and the paper
    const std::vector<LowContrast> low = LowContrasts(design);
    std::vector<LowContrast::Part> parts;
    for (const LowContrast& l : low)
        parts.push_back(l.What);
    // The letters take the words' colour where none of their own is chosen.
    EXPECT_EQ(parts, (std::vector<LowContrast::Part>{LowContrast::Words, LowContrast::Heading, LowContrast::FreeSpace,
                                                      LowContrast::TitleAndFooter}));
    design.BandText = Qt::black;
    design.Text = QColor("#333333");
    EXPECT_TRUE(LowContrasts(design).empty());

    // Colour names: only "#rrggbb" is taken, so a hand-edited file can't name an odd colour.
    for (const char* bad : {"", "red", "#12345", "#1234567", "#ggg000", "rgb(1,2,3)"})
        EXPECT_FALSE(ColourFromName(bad).isValid()) << bad;
    EXPECT_EQ(ColourFromName(" #1F4e79 "), QColor(0x1f, 0x4e, 0x79));
    EXPECT_EQ(ColourName(QColor()), QString());

    // A design is in colour when it has a colour other than black and white, or a logo.
    CardDesign plainInk;
    plainInk.Title = "Fair";
    plainInk.Grid = Qt::black;
    EXPECT_FALSE(plainInk.HasColour());
    EXPECT_FALSE(plainInk.IsPlain());
    plainInk.Logo = "logo.png";
    EXPECT_TRUE(plainInk.HasColour());
}

TEST(CardDesign, KeptBesideItsListAndGoneWhenPlain)
{
    TempFolder folder;
    QDir().mkpath(folder.Path("lists/pictures"));
    const QString list = folder.Path("lists/Party.pwk");
    folder.Write("lists/Party.pwk", "Lion\r\n");
    EXPECT_EQ(DesignFile::PathFor(list), folder.Path("lists/Party.design"));
    EXPECT_EQ(DesignFile::ForList(list), CardDesign()); // none yet: the plain card

    CardDesign design;
    design.Title = "Spring Fair = \"Bingo\"";
    design.Footer = "St. Anne's; 12 May";
    design.Grid = QColor("#1f4e79");
    design.Tint = QColor("#eef5fb");
    design.Logo = folder.Path("lists/pictures/logo.png");
    DesignFile::SaveForList(list, design);
    const QByteArray written = folder.Read("lists/Party.design");
    EXPECT_TRUE(written.contains("Logo=pictures/logo.png")) << written.toStdString(); // travels with the folder
    EXPECT_EQ(DesignFile::ForList(list), design);
    // The folder moved elsewhere: the logo is found beside the list still.
    QDir().rename(folder.Path("lists"), folder.Path("moved"));
    EXPECT_EQ(DesignFile::ForList(folder.Path("moved/Party.pwk")).Logo, folder.Path("moved/pictures/logo.png"));

    // A logo outside the list's folder keeps its whole name.
    design.Logo = "/usr/share/pixmaps/debian-logo.png";
    DesignFile::SaveForList(folder.Path("moved/Party.pwk"), design);
    EXPECT_EQ(DesignFile::ForList(folder.Path("moved/Party.pwk")).Logo, design.Logo);

    // Made plain again, the list is what it always was: no design file beside it.
    DesignFile::SaveForList(folder.Path("moved/Party.pwk"), CardDesign());
    EXPECT_FALSE(QFile::exists(folder.Path("moved/Party.design")));

    // The default for new lists, in a section of its own beside the others.
    folder.Write("Options.ini", "[Options]\r\nCardSize=2\r\n");
    ProfileFile settings(folder.Path("Options.ini"));
    DesignFile::Write(settings, design);
    EXPECT_EQ(DesignFile::Read(settings), design);
    EXPECT_EQ(settings.ReadInteger("Options", "CardSize", 0), 2);
}
