// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/ui/Guarded.h"
#include "app/ListDocument.h"
#include "widgets/WordListModel.h"
#include "card/CardOptions.h"
#include "output/CardExport.h"
#include "output/CellText.h"
#include "output/SampleCard.h"
#include "game/NinetyBall.h"
#include "card/RandomSource.h"
#include "records/GameHistory.h"

#include <QStringList>
#include <QWidget>
#include <optional>

class WordBoxEdit;
class Announcer;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QUrl;
class QKeyEvent;
class QMimeData;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpinBox;
class QToolButton;
class Clock;
class PaintBox;
class Printers;
class Prompts;
class Shell;
class Speech;
class CallerWindow;
class Surface;

// The main window: the word list, the card options, the sample card and every command.
// It owns the program-wide state (the words, the current arrangement, whether the list
// has changed, the file it belongs to, the card font). Its handlers are spread over one
// source file per command group: UnitMain.cpp (start-up, arranging and drawing),
// UnitMainLayout.cpp (the controls), UnitMainWords.cpp (editing the list and options),
// UnitMainFile.cpp (New, Open, Save, closing), UnitMainPrint.cpp (cards and call list),
// UnitMainExtras.cpp (samples, font, help), UnitMainLists.cpp (lists in and out: command
// line, drops, paste, Save As, recent lists, editing the words as text), UnitMainGame.cpp
// (numbered cards, the caller and the checker).
//
// Every handler runs through Guard(), which shows a PlatformError in the error box and
// lets the program carry on with whatever state the handler had reached.
class TFrmMain : public QWidget {
    Q_OBJECT

public:
    struct Services {
        Prompts& Asks;
        Printers& PrinterList;
        Clock& SeedClock;
        Shell& Desktop;
        Speech* Voice = nullptr; // the caller's voice, where there is one
    };

    explicit TFrmMain(Services services, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // Program-wide state. The open list is a document of its own (its rules live there); its
    // parts go by the names the window has always used.
    ListDocument Doc;
    WordListModel& WordList = Doc.WordList;
    QStringList CardCells;
    bool& ListModified = Doc.ListModified;
    QString& CurrentFileName = Doc.CurrentFileName;
    QString CardFontName = QStringLiteral("Arial");
    int CardFontSize = 20;
    DesignedLook& Look = Doc.Look; // see ListDocument
    QString& PictureBase = Doc.PictureBase; // see ListDocument

    // The band the title bar took inside the window on the other system, and a top
    // position of the form moved up by it.
    int TitleBand = 0;
    int FormY(int formTop) const { return formTop - TitleBand; }

    // How often the card was arranged and redrawn; the tests watch these.
    int ArrangeCount = 0;
    int RedrawCount = 0;

    // Controls, named as on the form.
    QMenuBar* MainMenu = nullptr;
    QAction* MnuFileNew = nullptr;
    QAction* MnuFileOpen = nullptr;
    QMenu* MnuFileRecent = nullptr;
    QAction* MnuFileSave = nullptr;
    QAction* MnuFileSaveAs = nullptr;
    QAction* MnuFileEditWords = nullptr;
    QAction* MnuOpenPictureFolder = nullptr;
    QAction* MnuAddPicture = nullptr;
    QAction* MnuFilePageSetup = nullptr;
    QAction* MnuFileExport = nullptr;
    QAction* MnuFilePrint = nullptr;
    QAction* MnuFilePrintList = nullptr;
    QAction* MnuFileExit = nullptr;
    QMenu* MnuOptions = nullptr;
    QAction* MnuFont = nullptr;
    QAction* MnuCardDesign = nullptr;
    QAction* MnuNumberCards = nullptr;
    QAction* MnuSameTextSize = nullptr;
    QAction* MnuTickets = nullptr;
    QMenu* MnuGame = nullptr;
    QAction* MnuCallWords = nullptr;
    QAction* MnuCheckCard = nullptr;
    QAction* MnuRoomDisplay = nullptr;
    QAction* MnuPatterns = nullptr;
    QMenu* MnuSample = nullptr;
    QMenu* MnuHelp = nullptr;
    QAction* MnuHelpFile = nullptr;
    QAction* MnuHomepage = nullptr;
    QAction* MnuAbout = nullptr;
    QToolButton* ToolButtonNew = nullptr;
    QToolButton* ToolButtonOpen = nullptr;
    QToolButton* ToolButtonSave = nullptr;
    QToolButton* ToolButtonPrint = nullptr;
    QComboBox* CboCardStr = nullptr;
    WordBoxEdit* WordBox = nullptr; // CboCardStr's line
    QPushButton* BtnAdd = nullptr;
    QPushButton* BtnDelete = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LblWordCount = nullptr;
    PaintBox* PB = nullptr;
    QGroupBox* GrpOptions = nullptr;
    QComboBox* CboCardSize = nullptr;
    QCheckBox* ChkFreeSpace = nullptr;
    QLineEdit* TxtFreeSpace = nullptr;
    QCheckBox* ChkHeading = nullptr;
    QLineEdit* TxtHeading = nullptr;
    QCheckBox* ChkWordWrap = nullptr;
    QGroupBox* GrpPrint = nullptr;
    QComboBox* CboPrinters = nullptr;
    QLabel* LblCardNum = nullptr;
    QSpinBox* EdtCardNum = nullptr;
    QLabel* LblCardsPerPage = nullptr;
    QComboBox* CboCardsPerPage = nullptr;

    // Start-up and drawing.
    void FormCreate();
    void ArrangeCard();
    void Redraw();
    void PBPaint(Surface& surface);
    // The sample card at a size, in a look (the paint box's, or the design window's).
    void PaintCard(Surface& surface, int width, int height, const DesignedLook* look);
    CardOptions Options() const;

    // Word list and options.
    void BtnAddClick();
    bool CboCardStrKeyPress(int key);
    void BtnDeleteClick();
    void CboCardSizeSelect();
    void ChkFreeSpaceClick();
    void ChkHeadingClick();
    void ChkWordWrapClick();
    void TxtFreeSpaceChange();
    void TxtHeadingChange();

    // Files.
    void MnuFileNewClick();
    void MnuFileOpenClick();
    void MnuFileSaveClick();
    void MnuFileExitClick();
    bool FormCloseQuery();
    // Offers to save a changed list; false when the user called off what asked (Cancel).
    bool SavePrompt();
    void WriteWordList(const QString& path);
    void ReadWordList(const QString& path);

    // Lists in and out beyond the form's commands: a file opened as Open opens it (the
    // command line, a drop, the recent lists), Save As, the recent lists, many words at
    // once, and editing the list as text.
    void OpenListFile(const QString& path);
    // ReadWordList in place of the list; a file that is no list changes nothing, the list's
    // unsaved changes (`modifiedBefore`) included.
    void ReplaceList(const QString& path, bool modifiedBefore);
    // A list opened or saved through the commands: the dialogs' folder, the recent lists.
    void RememberOpened(const QString& path);
    void MnuFileSaveAsClick();
    void SaveListAs(const QString& path);
    void BuildRecentMenu();
    void OpenRecentList(const QString& path);
    void AddManyWords(const QString& text);
    void MnuFileEditWordsClick();
    void DropFiles(const QList<QUrl>& urls);
    void UpdateWordCount();
    // Tells a screen reader what just happened ("Giraffe added: 26 words").
    void Announce(const QString& text);
    QString LastAnnouncement() const;

    // Printing.
    void MnuFilePrintClick();
    void MnuFilePrintListClick();
    // The index of the printer chosen by name in the system's list as it is now; -1 for
    // none chosen. Raises an error naming a printer that has gone.
    int ChosenPrinter();
    // Brings the printer box up to date with the system's list (on activating the window).
    void RefreshPrinters();
    // The file the built-in PDF printer writes, asked for when a job begins.
    std::optional<QString> AskPdfFileName();
    bool PrintingCallList = false; // while a call list prints
    // The game Export offers first among these: the caller's, else the newest.
    QString GameInPlay(const QList<GameRecord>& games) const;
    void MnuFilePageSetupClick();
    void MnuSameTextSizeClick();
    void MnuFileExportClick();

    // Game night: numbered cards, the caller, the checker (UnitMainGame.cpp).
    void MnuNumberCardsClick();
    void MnuCallWordsClick();
    void MnuCheckCardClick();
    void MnuRoomDisplayClick();
    void MnuPatternsClick();
    QString CurrentGameHeading() const;
    GameSource CurrentGameSource() const;

    // 90-ball tickets (UnitMainTickets.cpp): Options > 90-Ball Tickets puts the numbers 1 to
    // 90 in the list and turns the sample, Print and the game commands to strips of tickets.
    bool TicketsOn() const;
    void MnuTicketsClick();
    // The window's controls as cards or tickets want them.
    void ShowTickets(bool on);
    void DealSampleStrip();
    void PrintStrips();
    void ExportStrips();
    NinetyBall::Strip SampleStrip{};

    // Samples, font, help.
    void BuildSampleMenu(const QString& folder, QMenu* parent);
    void LoadSampleList(const QString& path);
    void MnuFontClick();
    void MnuCardDesignClick();
    void MnuOpenPictureFolderClick();
    void MnuAddPictureClick();
    // Picture files added to the list as entries, each captioned with its file name.
    void AddPictures(const QStringList& files);
    // Entries added to the list, their pictures read, the card arranged anew.
    void TakeEntries(const QStringList& entries);
    // Reads the pictures of the list's picture entries not read yet; those that fail are said.
    void LoadListPictures();
    // The design a list opened with (its own, or none), and a new list's (the default).
    void UseDesign(const CardDesign& design);
    void UseListDesign(const QString& path);
    void UseDefaultDesign();
    void MnuHelpFileClick();
    void MnuHomepageClick();
    void MnuAboutClick();

    // Runs a handler; a PlatformError it raises is shown in the default error box.
    template <class Handler>
    void Guard(Handler&& handler);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MenuShortcutComesFirst(QObject* watched, const QKeyEvent& key) const;
    static bool AcceptsDrop(const QMimeData* data);
    // The dialog that asks where a list is saved, offering `name`.
    static FileDialogSpec SaveListDialog(const QString& name);
    void BuildControls();
    void BuildMenu();
    void BuildToolBar();
    void ConnectHandlers();
    void ClearWordBox();
    void EmptyList();
    bool CheckWordCount(bool exporting = false);
    // Export Cards, for cards and tickets alike: asks before replacing files already there,
    // and writes the files with a progress box; returns how many cards or strips were written.
    bool ConfirmReplacing(const ExportJob& job);
    int RunExportJob(const ExportJob& job, const QString& progressFormat);
    // Asks before a job whose words hold characters no installed font can draw; true to go on.
    bool ConfirmDrawable(const QString& question);

    Services Env;
    RandomSource Random;
    CellFitCache SampleFits;
    EvenSizeMemo SampleEven;
    int SelectedWord = -1; // the item of the word box's list picked last, or -1
    QString OpenDlgFileName;
    CallerWindow* Caller = nullptr;
    QString SaveDlgFileName;
};

template <class Handler>
void TFrmMain::Guard(Handler&& handler)
{
    RunGuarded(Env.Asks, std::forward<Handler>(handler));
}
