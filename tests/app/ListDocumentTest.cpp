// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The open list as a document: a file read and written with its pictures named from its own
// folder, Save As taking the list to another folder, a file that is no list changing
// nothing, and the list kept aside while tickets are on.
#include "app/ListDocument.h"
#include "support/TempFolder.h"
#include "words/WordListFormat.h"

#include <gtest/gtest.h>

TEST(ListDocument, ReadWrittenSavedElsewhereAndKeptAsideForTickets)
{
    TempDataHome home; // the design file beside a list reads the settings' default
    TempFolder folder;
    folder.Write("a/party.pwk", "[[picture:pics/cat.png]] Cat\nDog\n");
    folder.Write("b/notes.txt", "");
    ListDocument doc;
    const QString first = folder.Path("a/party.pwk");
    doc.Opened(first, ListDocument::ReadWords(first));
    EXPECT_EQ(doc.CurrentFileName, first);
    EXPECT_EQ(doc.PictureBase, folder.Path("a"));
    EXPECT_FALSE(doc.ListModified);

    // Written for a question elsewhere: the picture, outside that folder, named whole; the
    // list still the first file's.
    const QString whole = "[[picture:" + folder.Path("a/pics/cat.png") + "]] Cat";
    doc.ListModified = true;
    doc.Write(folder.Path("b/copy.pwk"));
    EXPECT_EQ(ParseWordList(folder.Read("b/copy.pwk")), (QStringList{whole, "Dog"}));
    EXPECT_EQ(doc.CurrentFileName, first);
    EXPECT_TRUE(doc.ListModified);
    // Saved as in another folder: the list is that file's, saved, its picture renamed.
    EXPECT_TRUE(doc.SavedAs(folder.Path("b/party.pwk")));
    EXPECT_EQ(doc.CurrentFileName, folder.Path("b/party.pwk"));
    EXPECT_FALSE(doc.ListModified);
    EXPECT_TRUE(doc.WordList.Items().contains(whole));
    EXPECT_FALSE(doc.SavedAs(folder.Path("b/again.pwk"))); // the same folder: no word renamed

    // The design travels beside the list; a logo that can't be read is said and left out.
    CardDesign fair;
    fair.Title = "Spring Fair";
    EXPECT_TRUE(doc.UseDesign(fair).isEmpty());
    doc.Write(folder.Path("b/fair.pwk"));
    ListDocument other;
    EXPECT_TRUE(other.UseListDesign(folder.Path("b/fair.pwk")).isEmpty());
    EXPECT_EQ(other.Look.Design.Title, "Spring Fair");
    fair.Logo = folder.Path("b/notes.txt");
    EXPECT_FALSE(other.UseDesign(fair).isEmpty());
    EXPECT_TRUE(other.Look.Logo.IsNull());

    // A file that is no list: refused, and the document as it was.
    folder.Write("photo.pwk", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    doc.ListModified = true;
    EXPECT_THROW(ListDocument::ReadWords(folder.Path("photo.pwk")), NotAWordListError);
    doc.StillAsBefore(true);
    EXPECT_TRUE(doc.ListModified);
    EXPECT_EQ(doc.CurrentFileName, folder.Path("b/again.pwk"));

    // Tickets on: the list aside, the numbers in its place; cards back: the list as it was.
    const QStringList words = doc.WordList.Items();
    doc.KeepForTickets();
    EXPECT_FALSE(doc.ListModified);
    doc.WordList.Clear();
    doc.WordList.InsertMany({"1", "2", "3"});
    doc.BackFromTickets();
    EXPECT_EQ(doc.WordList.Items(), words);
    EXPECT_EQ(doc.CurrentFileName, folder.Path("b/again.pwk"));
    EXPECT_TRUE(doc.ListModified);
    // Started with tickets, nothing was kept: cards come back with no list.
    doc.BackFromTickets();
    EXPECT_EQ(doc.WordList.Count(), 0);
    EXPECT_TRUE(doc.CurrentFileName.isEmpty());
}
