// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Nothing a user does may lose work: files that are no lists, lists in other encodings,
// questions that Escape can't answer, and the word box after a list is loaded.
#include "platform/ui/QtPrompts.h"
#include "settings/DialogFolders.h"
#include "support/MainWindowFixture.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTimer>

namespace {

const QString SaveQuestion = "Do you want to save current bingo card?";

} // namespace

TEST_F(MainWindowTest, AFileThatIsNoListChangesNothing)
{
    TFrmMain& w = Open();
    AddWords({"one", "two", "three"});
    const QStringList cells = w.CardCells;
    const QByteArray pdf = "%PDF-1.5\n%\xe2\xe3\n1 0 obj\n<<>>\nendobj\n";
    const QByteArray elf = QByteArray("\x7f" "ELF\x02\x01\x01\0", 8);
    Home.Folder.Write("cards.pdf", pdf);
    Home.Folder.Write("program", elf);
    for (const char* name : {"cards.pdf", "program"}) {
        Asks.ExpectQuestion(SaveQuestion, false);
        Asks.ExpectOpen(Home.Folder.Path(name));
        Asks.ExpectError(QString(name) + " is not a word list");
        w.MnuFileOpen->trigger();
        EXPECT_EQ(w.WordList.Items(), (QStringList{"one", "three", "two"}));
        EXPECT_EQ(w.CardCells, cells);
        EXPECT_TRUE(w.ListModified);
        EXPECT_TRUE(w.CurrentFileName.isEmpty());
    }
    // A sample that is no list is refused the same way.
    Home.Folder.Write("Plumwick/SampleLists/Photo.pwk", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
    Asks.ExpectQuestion(SaveQuestion, false);
    Asks.ExpectError("Photo.pwk is not a word list");
    w.Guard([&] { w.LoadSampleList(Home.DataFolder() + "/SampleLists/Photo.pwk"); });
    EXPECT_EQ(w.WordList.Count(), 3);
    EXPECT_TRUE(w.ListModified);
    EXPECT_EQ(Home.Folder.Read("cards.pdf"), pdf);
    EXPECT_EQ(Home.Folder.Read("program"), elf);
}

TEST_F(MainWindowTest, NotepadsUnicodeListOpens)
{
    TFrmMain& w = Open();
    QStringEncoder utf16(QStringConverter::Utf16LE);
    Home.Folder.Write("notepad.pwk", QByteArray("\xff\xfe") + QByteArray(utf16.encode(u"Z\u00fcrich\r\nOslo\r\n")));
    Asks.ExpectOpen(Home.Folder.Path("notepad.pwk"));
    w.MnuFileOpen->trigger();
    EXPECT_EQ(w.WordList.Items(), (QStringList{"Oslo", "Z\u00fcrich"}));
}

// Loading a list resets the box's list, and Qt then picks its first item; the edit field
// must stay empty so that Enter doesn't offer to add that word again.
TEST_F(MainWindowTest, TheWordBoxIsEmptyAfterEveryLoad)
{
    TFrmMain& w = Open();
    Home.Folder.Write("animals.pwk", "cat\r\ndog\r\n");
    Home.Folder.Write("Plumwick/SampleLists/Fruit.pwk", "apple\r\npear\r\n");
    auto expectEmpty = [&](const char* after) {
        EXPECT_EQ(w.CboCardStr->currentText(), "") << after;
        EXPECT_EQ(w.CboCardStr->currentIndex(), -1) << after;
    };
    Asks.ExpectOpen(Home.Folder.Path("animals.pwk"));
    w.MnuFileOpen->trigger();
    expectEmpty("Open");
    w.LoadSampleList(Home.DataFolder() + "/SampleLists/Fruit.pwk");
    expectEmpty("a sample");
    w.MnuFileNew->trigger();
    expectEmpty("New");
    Asks.ExpectOpen(Home.Folder.Path("animals.pwk"));
    w.MnuFileOpen->trigger();
    Asks.ExpectInformation("Please select the string you want to delete firstly.");
    w.BtnDelete->click();
    EXPECT_EQ(w.WordList.Count(), 2);
}

TEST_F(MainWindowTest, FileDialogsStartWhereTheLastListWas)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString start = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    TFrmMain& w = Open();
    Home.Folder.Write("lists/pets.pwk", "cat\r\n");
    Asks.ExpectOpen(Home.Folder.Path("lists/pets.pwk"));
    w.MnuFileOpen->trigger();
    EXPECT_EQ(Asks.Dialogs.back().Folder, start);
    EXPECT_EQ(DialogFolders::ListFolder(), Home.Folder.Path("lists"));
    EXPECT_EQ(DialogFolders::PdfSuggestion(w.CurrentFileName), Home.Folder.Path("lists/pets.pdf"));
    EXPECT_EQ(DialogFolders::PdfSuggestion(""), Home.Folder.Path("lists/Bingo Cards.pdf"));
    DialogFolders::RememberPdf(Home.Folder.Path("out.pdf"));
    EXPECT_EQ(DialogFolders::PdfSuggestion(w.CurrentFileName), Home.Folder.Path("pets.pdf"));
    // Remembered across runs, in a section of its own.
    Window.reset();
    TFrmMain& again = Open();
    Asks.ExpectOpen(std::nullopt);
    again.MnuFileOpen->trigger();
    EXPECT_EQ(Asks.Dialogs.back().Folder, Home.Folder.Path("lists"));
    EXPECT_TRUE(Settings().contains("[Folders]\r\nLists=" + Home.Folder.Path("lists").toUtf8()));
    // Every file shows under "All Files", those without a dot too.
    EXPECT_EQ(QtFileFilter("Plumwick File (*.pwk)|*.pwk|All Files (*.*)|*.*"), "Plumwick File (*.pwk);;All Files (*)");
}

// A Yes/No box has no Cancel: Escape and the close button leave the question standing.
TEST(QtPromptsTest, EscapeDoesNotAnswerAQuestion)
{
    QtPrompts prompts;
    bool stood = false;
    WhenOpen<QMessageBox>([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        QApplication::processEvents();
        stood = box->isVisible();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(prompts.Question("Save?", true));
    EXPECT_TRUE(stood);
}

TEST(QtPromptsTest, ABoxRaisedInADialogBelongsToIt)
{
    QWidget window;
    QtPrompts prompts(&window);
    QDialog dialog(&window);
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        WhenOpen<QMessageBox>([&](QMessageBox* box) {
            owner = box->parentWidget();
            box->accept();
        });
        prompts.Error("Disk full");
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(owner, &dialog);
}
