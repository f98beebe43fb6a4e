// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A picture entry is one line of the list: read and written back as it was, a word left a word
// whatever it looks like, a picture named from the list's folder and named afresh when the
// list moves, and a folder of pictures read as a list in the order of its names.
#include "support/TempFolder.h"
#include "words/PictureEntry.h"
#include "words/WordListFormat.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(PictureEntry, LinesWordsAndFolders)
{
    const struct {
        const char* Line;
        const char* Path; // null: a word
        const char* Caption;
        const char* Shown;
    } cases[] = {
        {"[[picture:animals/cat.png]] Cat", "animals/cat.png", "Cat", "Cat"},
        {"[[picture:animals/big dog.jpeg]]", "animals/big dog.jpeg", "", "big dog"},
        {"[[picture: /srv/pics/a b.svg ]]   Sun and moon  ", "/srv/pics/a b.svg", "Sun and moon", "Sun and moon"},
        {"[[picture:]] nothing", nullptr, nullptr, "[[picture:]] nothing"},
        {"[[picture:cat.png Cat", nullptr, nullptr, "[[picture:cat.png Cat"},
        {"[[Picture:cat.png]] Cat", nullptr, nullptr, "[[Picture:cat.png]] Cat"},
        {"A [[picture:cat.png]] in a phrase", nullptr, nullptr, "A [[picture:cat.png]] in a phrase"},
        {"Lion", nullptr, nullptr, "Lion"},
        {"[[picture:odd]]] Cat", "odd]", "Cat", "Cat"},
        {"[[picture:a.png]b]]]]x", "a.png]b]]", "x", "x"},
    };
    for (const auto& c : cases) {
        const std::optional<PictureEntry> picture = AsPicture(c.Line);
        EXPECT_EQ(EntryCaption(c.Line), c.Shown) << c.Line;
        if (!c.Path) {
            EXPECT_FALSE(picture) << c.Line;
            continue;
        }
        ASSERT_TRUE(picture) << c.Line;
        EXPECT_EQ(picture->Path, c.Path);
        EXPECT_EQ(picture->Caption, c.Caption);
        EXPECT_EQ(AsPicture(PictureLine(*picture))->Path, picture->Path);
    }
    // A list with pictures is still a list of lines: its words are written as they were.
    const QByteArray file = "Lion\r\n[[picture:animals/cat.png]] Cat\r\nTiger King\r\n";
    EXPECT_EQ(FormatWordList(ParseWordList(file)), file);

    // Named from another folder: relative below it, whole outside it; words untouched.
    const QStringList entries = {"Lion", "[[picture:animals/cat.png]] Cat", "[[picture:/srv/sun.svg]] Sun"};
    EXPECT_EQ(Rebased(entries, "/home/ann/lists", "/home/ann"),
              (QStringList{"Lion", "[[picture:lists/animals/cat.png]] Cat", "[[picture:/srv/sun.svg]] Sun"}));
    EXPECT_EQ(Rebased(entries, "/home/ann/lists", "/media/usb"),
              (QStringList{"Lion", "[[picture:/home/ann/lists/animals/cat.png]] Cat", "[[picture:/srv/sun.svg]] Sun"}));
    EXPECT_EQ(Rebased(entries, "/home/ann/lists", "/srv"),
              (QStringList{"Lion", "[[picture:/home/ann/lists/animals/cat.png]] Cat", "[[picture:sun.svg]] Sun"}));
    // Spaces at a name's ends survive: a file starting with one, a folder ending in one.
    EXPECT_EQ(Rebased({"[[picture:/media/usb/ cat.png]] Cat", "[[picture:a /b/../x.png]] X", "[[picture:a /b/..]] Y"},
                      "/home/ann", "/media/usb"),
              (QStringList{"[[picture:./ cat.png]] Cat", "[[picture:/home/ann/a /x.png]] X", "[[picture:/home/ann/a /]] Y"}));

    // A folder: its pictures in the order of their names (numbers counted), anything else left out.
    TempFolder folder;
    for (const char* name : {"10 ten.png", "2 two.PNG", "notes.txt", "a]]b.png", "cat.svg", "list.pwk"})
        folder.Write(name, "x");
    QDir().mkpath(folder.Path("sub.png"));
    EXPECT_EQ(PictureFolderEntries(folder.Path()),
              (QStringList{"[[picture:2 two.PNG]] 2 two", "[[picture:10 ten.png]] 10 ten", "[[picture:cat.svg]] cat"}));
    EXPECT_TRUE(PictureFolderEntries(folder.Path("nowhere")).isEmpty());
}
