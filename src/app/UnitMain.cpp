// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Start-up, arranging and drawing of the main window.
#include "app/UnitMain.h"
#include "platform/ui/Announcer.h"
#include "settings/RecentLists.h"
#include "widgets/PasteSafeEdits.h"
#include "widgets/PaintBox.h"
#include "platform/ui/ToolIcons.h"
#include "card/CardArrangement.h"
#include "output/SampleCard.h"
#include "output/TicketPrinting.h"
#include "game/CardView.h"
#include "platform/PlatformError.h"
#include "platform/Printers.h"
#include "platform/ProfileFile.h"
#include "settings/DesignFile.h"
#include "platform/Prompts.h"
#include "settings/CardSettings.h"
#include "settings/DataFolders.h"
#include "settings/SettingsFlag.h"
#include "words/WordLines.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QAbstractSpinBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStringListModel>
#include <QToolButton>

namespace {
QString TipText()
{
    return TFrmMain::tr("Tip: To make your own card list, please type words in the text box, then press Enter or Add "
    "button. If you want to delete a word, please select it from the dropdown list and click "
    "Delete button. When all words are added, please click Print button in the toolbar to print it.");
}
}

TFrmMain::TFrmMain(Services services, QWidget* parent)
    : QWidget(parent), Env(services), Random(services.SeedClock)
{
    BuildControls();
    setWindowIcon(QIcon(MakeProgramPicture(48)));
    ConnectHandlers();
    Guard([this] { FormCreate(); });
}

TFrmMain::~TFrmMain()
{
    // The word box shows the model that this window owns; let go of it first.
    CboCardStr->setModel(new QStringListModel(CboCardStr));
}

void TFrmMain::ConnectHandlers()
{
    auto on = [this](auto* sender, auto signal, void (TFrmMain::*handler)()) {
        connect(sender, signal, this, [this, handler] { Guard([this, handler] { (this->*handler)(); }); });
    };
    on(BtnAdd, &QPushButton::clicked, &TFrmMain::BtnAddClick);
    on(BtnDelete, &QPushButton::clicked, &TFrmMain::BtnDeleteClick);
    on(CboCardSize, &QComboBox::activated, &TFrmMain::CboCardSizeSelect);
    on(ChkFreeSpace, &QCheckBox::toggled, &TFrmMain::ChkFreeSpaceClick);
    on(ChkHeading, &QCheckBox::toggled, &TFrmMain::ChkHeadingClick);
    on(ChkWordWrap, &QCheckBox::toggled, &TFrmMain::ChkWordWrapClick);
    on(TxtFreeSpace, &QLineEdit::textChanged, &TFrmMain::TxtFreeSpaceChange);
    on(TxtHeading, &QLineEdit::textChanged, &TFrmMain::TxtHeadingChange);

    on(MnuFileNew, &QAction::triggered, &TFrmMain::MnuFileNewClick);
    on(MnuFileOpen, &QAction::triggered, &TFrmMain::MnuFileOpenClick);
    on(MnuFileSave, &QAction::triggered, &TFrmMain::MnuFileSaveClick);
    on(MnuFileSaveAs, &QAction::triggered, &TFrmMain::MnuFileSaveAsClick);
    on(MnuFileEditWords, &QAction::triggered, &TFrmMain::MnuFileEditWordsClick);
    on(MnuFileRecent, &QMenu::aboutToShow, &TFrmMain::BuildRecentMenu);
    on(MnuFilePrint, &QAction::triggered, &TFrmMain::MnuFilePrintClick);
    on(MnuFilePrintList, &QAction::triggered, &TFrmMain::MnuFilePrintListClick);
    on(MnuFileExit, &QAction::triggered, &TFrmMain::MnuFileExitClick);
    on(MnuFont, &QAction::triggered, &TFrmMain::MnuFontClick);
    on(MnuCardDesign, &QAction::triggered, &TFrmMain::MnuCardDesignClick);
    on(MnuOpenPictureFolder, &QAction::triggered, &TFrmMain::MnuOpenPictureFolderClick);
    on(MnuAddPicture, &QAction::triggered, &TFrmMain::MnuAddPictureClick);
    on(MnuNumberCards, &QAction::triggered, &TFrmMain::MnuNumberCardsClick);
    on(MnuSameTextSize, &QAction::triggered, &TFrmMain::MnuSameTextSizeClick);
    on(MnuTickets, &QAction::triggered, &TFrmMain::MnuTicketsClick);
    on(MnuFilePageSetup, &QAction::triggered, &TFrmMain::MnuFilePageSetupClick);
    on(MnuFileExport, &QAction::triggered, &TFrmMain::MnuFileExportClick);
    on(MnuCallWords, &QAction::triggered, &TFrmMain::MnuCallWordsClick);
    on(MnuCheckCard, &QAction::triggered, &TFrmMain::MnuCheckCardClick);
    on(MnuRoomDisplay, &QAction::triggered, &TFrmMain::MnuRoomDisplayClick);
    on(MnuPatterns, &QAction::triggered, &TFrmMain::MnuPatternsClick);
    on(MnuHelpFile, &QAction::triggered, &TFrmMain::MnuHelpFileClick);
    on(MnuHomepage, &QAction::triggered, &TFrmMain::MnuHomepageClick);
    on(MnuAbout, &QAction::triggered, &TFrmMain::MnuAboutClick);

    // The tool bar buttons only forward to the menu entries of the same command.
    connect(ToolButtonNew, &QToolButton::clicked, MnuFileNew, &QAction::trigger);
    connect(ToolButtonOpen, &QToolButton::clicked, MnuFileOpen, &QAction::trigger);
    connect(ToolButtonSave, &QToolButton::clicked, MnuFileSave, &QAction::trigger);
    connect(ToolButtonPrint, &QToolButton::clicked, MnuFilePrint, &QAction::trigger);

    // The list selection of the word box: a pick from the list selects, typing deselects.
    connect(CboCardStr, &QComboBox::activated, this, [this](int index) { SelectedWord = index; });
    connect(CboCardStr->lineEdit(), &QLineEdit::textEdited, this, [this] { SelectedWord = -1; });
    // Text with line breaks (pasted, dropped or middle-clicked in) is many words at once.
    // Pastes and drops come whole from the word box's line; text put in otherwise comes
    // through its change.
    connect(WordBox, &WordBoxEdit::TextArrived, this,
            [this](const QString& text) { Guard([this, text] { AddManyWords(text); }); });
    connect(CboCardStr->lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (HasLineBreak(text))
            Guard([this, text] { AddManyWords(text); });
    });
    // Every control, so that the menu's shortcuts work from each of them.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

// The menu's shortcuts come first, as they did on the other system: text boxes take
// Ctrl+E as "end of line" and Ctrl+C as "copy". Copy still wins where a text box holds
// selected text, the one case in which the user plainly means it.
bool TFrmMain::MenuShortcutComesFirst(QObject* watched, const QKeyEvent& key) const
{
    if (key.modifiers() != Qt::ControlModifier)
        return false;
    if (key.key() == Qt::Key_E)
        return true;
    if (key.key() != Qt::Key_C)
        return false;
    QLineEdit* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        if (auto* combo = qobject_cast<QComboBox*>(watched))
            edit = combo->lineEdit();
    if (!edit)
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(watched))
            edit = spin->findChild<QLineEdit*>();
    if (edit && edit->hasSelectedText())
        return false;
    // Any other text control with a selection (a multi-line box, say) copies too.
    auto* widget = qobject_cast<QWidget*>(watched);
    return !(widget && !widget->inputMethodQuery(Qt::ImCurrentSelection).toString().isEmpty());
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A file dropped anywhere on the window opens, whatever control it lands on.
    const auto type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->mimeData()->hasUrls()) {
            if (type == QEvent::Drop)
                dropEvent(drop);
            else if (AcceptsDrop(drop->mimeData()))
                drop->acceptProposedAction();
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride && MenuShortcutComesFirst(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    if ((watched == CboCardStr || watched == CboCardStr->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        bool consumed = false;
        Guard([&] { consumed = CboCardStrKeyPress(key); });
        if (consumed)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmMain::FormCreate()
{
    Label1->setText(TipText());
    setWindowTitle(tr("Plumwick"));

    const ProfileFile settings(SettingsFilePath());
    const CardSettings::CardFont font = CardSettings::ReadFont(settings);
    CardFontName = font.Name;
    CardFontSize = font.Size;
    Look = ReadLook(DesignFile::Read(settings)); // a logo that can't be read is said when the design window opens
    const CardOptions stored = CardSettings::ReadOptions(settings);
    // Setting a control to a different value runs its handler, as a user's change would.
    ChkFreeSpace->setChecked(stored.FreeSpace);
    TxtFreeSpace->setText(stored.FreeSpaceText);
    ChkHeading->setChecked(stored.Heading);
    TxtHeading->setText(stored.HeadingText);
    CboCardSize->setCurrentIndex(stored.SizeIndex >= 0 && stored.SizeIndex < CboCardSize->count()
                                     ? stored.SizeIndex
                                     : -1);
    ChkWordWrap->setChecked(stored.WordWrap);

    TxtFreeSpace->setEnabled(ChkFreeSpace->isChecked());
    TxtHeading->setEnabled(ChkHeading->isChecked());

    CardCells.clear();
    ListModified = false;
    CurrentFileName.clear();

    BuildSampleMenu(SampleListsPath(), MnuSample);
    MnuFileRecent->setEnabled(!RecentLists::Read().isEmpty());
    MnuNumberCards->setChecked(NumberCardsFlag.Read());
    MnuSameTextSize->setChecked(SameTextSizeFlag.Read());
    if (TicketsFlag.Read()) {
        MnuTickets->setChecked(true);
        ShowTickets(true);
    }

    const QStringList printers = Env.PrinterList.Names();
    if (printers.isEmpty())
        return;
    CboPrinters->addItems(printers);
    CboPrinters->setCurrentIndex(Env.PrinterList.DefaultIndex());
}

CardOptions TFrmMain::Options() const
{
    CardOptions o;
    o.SizeIndex = CboCardSize->currentIndex();
    o.FreeSpace = ChkFreeSpace->isChecked();
    o.FreeSpaceText = TxtFreeSpace->text();
    o.Heading = ChkHeading->isChecked();
    o.HeadingText = TxtHeading->text();
    o.WordWrap = ChkWordWrap->isChecked();
    return o;
}

void TFrmMain::ArrangeCard()
{
    ++ArrangeCount;
    if (TicketsOn()) {
        DealSampleStrip();
        return;
    }
    ArrangeCardCells(WordList.Items(), ChkFreeSpace->isChecked(), CboCardSize->currentIndex(), Random,
                     CardCells);
}

void TFrmMain::Redraw()
{
    ++RedrawCount;
    UpdateWordCount();
    if (TicketsOn()) {
        PB->SetCard({});
        PB->setAccessibleDescription(DescribeStrip(SampleStrip));
        PB->repaint();
        return;
    }
    const CardView shown = MakeCardView(CardCells, Options());
    PB->SetCard(shown);
    PB->setAccessibleDescription(shown.Describe());
    PB->repaint();
}

void TFrmMain::Announce(const QString& text)
{
    // The status a screen reader reads when it changes; nothing on screen changes.
    LblWordCount->setAccessibleDescription(text);
    QAccessibleEvent changed(LblWordCount, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    Announcer::Of(this)->Say(text);
}

void TFrmMain::PBPaint(Surface& surface)
{
    if (TicketsOn()) {
        PaintSampleStrip(surface, SampleStrip, PB->width(), PB->height(), CardFontName, CardFontSize, &Look);
        return;
    }
    PaintCard(surface, PB->width(), PB->height(), &Look);
}

void TFrmMain::PaintCard(Surface& surface, int width, int height, const DesignedLook* look)
{
    SampleCardInput input;
    input.Options = Options();
    input.Cells = CardCells;
    input.FontName = CardFontName;
    input.FontSize = CardFontSize;
    input.Width = width;
    input.Height = height;
    input.Look = look;
    input.SameTextSize = MnuSameTextSize->isChecked();
    if (input.SameTextSize) {
        input.AllWords = WordList.Items();
        input.ListRevision = WordList.Revision();
    }
    PaintSampleCard(surface, input, &SampleFits, &SampleEven);
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    bool allow = false; // a failure that escapes the close query keeps the window open
    Guard([&] { allow = FormCloseQuery(); });
    if (allow)
        event->accept();
    else
        event->ignore();
}

void TFrmMain::changeEvent(QEvent* event)
{
    // Coming back to the window, perhaps from the system's printer settings.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Guard([this] { RefreshPrinters(); });
    QWidget::changeEvent(event);
}

QString TFrmMain::LastAnnouncement() const
{
    return LblWordCount->accessibleDescription();
}
