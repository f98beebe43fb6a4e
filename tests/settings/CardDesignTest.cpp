// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A card's design: contrast measured as the accessibility guidelines do, the parts said to be
// hard to read, and the design kept beside its list (its logo named relative to the list's
// folder), with nothing left behind by a plain design, written as one whole file.
#include "card/CardDesign.h"
#include "platform/ProfileFile.h"
#include "settings/CardSettings.h"
#include "settings/DesignFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

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

namespace {

// How many times `fn` replaces the file `name` in `folder` (each save renames a whole new
// file into place): a process killed between two of them leaves a mix of old and new.
int Replacements(const QString& folder, const char* name, const std::function<void()>& fn)
{
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_MOVED_TO);
    fn();
    int count = 0;
    alignas(inotify_event) char events[8192];
    for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;)
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            count += event->len > 0 && std::strcmp(event->name, name) == 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    close(watch);
    return count;
}

} // namespace

TEST(CardDesign, ADesignAndTheOptionsAreWrittenAsOneWholeFile)
{
    TempFolder folder;
    folder.Write("Party.pwk", "Lion\r\n");
    CardDesign old;
    old.Title = "Old title";
    old.Footer = "Old footer";
    DesignFile::SaveForList(folder.Path("Party.pwk"), old);
    CardDesign design;
    design.Title = "Spring Fair";
    design.Footer = "St. Anne's";
    design.Band = QColor("#1f4e79");
    EXPECT_EQ(Replacements(folder.Path(), "Party.design", [&] { DesignFile::SaveForList(folder.Path("Party.pwk"), design); }), 1);
    EXPECT_EQ(DesignFile::ForList(folder.Path("Party.pwk")), design);
    ProfileFile settings(folder.Path("Options.ini"));
    EXPECT_EQ(Replacements(folder.Path(), "Options.ini", [&] { DesignFile::Write(settings, design); }), 1);
    CardOptions options;
    options.HeadingText = "PLUMS";
    EXPECT_EQ(Replacements(folder.Path(), "Options.ini", [&] { CardSettings::WriteOptions(settings, options); }), 1);
    EXPECT_EQ(CardSettings::ReadOptions(settings).HeadingText, "PLUMS");
}
