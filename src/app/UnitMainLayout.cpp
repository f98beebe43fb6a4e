// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The main window's controls, menu and tool bar, at the fixed pixel positions of the
// form (677 x 492 client area; positions inside a group box are relative to it).
#include "platform/ui/FormScale.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ToolIcons.h"
#include "widgets/PaintBox.h"
#include "app/UnitMain.h"
#include "widgets/PasteSafeEdits.h"
#include "platform/ui/SpokenValue.h"
#include "platform/ui/ScreenFit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <cmath>

namespace {

QLabel* MakeLabel(QWidget* parent, int left, int top, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    FormScale::FitLabel(label);
    return label;
}

template <class Control>
Control* Place(Control* control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, width, height);
    return control;
}

} // namespace

void TFrmMain::BuildMenu()
{
    MainMenu = new QMenuBar(this);
    MainMenu->setNativeMenuBar(false);

    QMenu* file = MainMenu->addMenu(tr("&File"));
    auto add = [](QMenu* menu, const QString& caption, const QKeySequence& shortcut) {
        QAction* action = menu->addAction(caption);
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        return action;
    };
    MnuFileNew = add(file, tr("&New"), QKeySequence(QStringLiteral("Ctrl+N")));
    MnuFileOpen = add(file, tr("&Open"), QKeySequence(QStringLiteral("Ctrl+O")));
    MnuFileRecent = file->addMenu(tr("&Recent Lists"));
    MnuFileSave = add(file, tr("&Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    MnuFileSaveAs = add(file, tr("Save &As..."), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    MnuFileEditWords = add(file, tr("E&dit Words..."), QKeySequence(QStringLiteral("Ctrl+L")));
    MnuOpenPictureFolder = add(file, tr("Open Picture &Folder..."), {});
    MnuAddPicture = add(file, tr("Add P&icture..."), {});
    MnuFilePageSetup = add(file, tr("Page Set&up..."), {});
    MnuFileExport = add(file, tr("Expor&t Cards..."), {});
    MnuFilePrint = add(file, tr("&Print"), QKeySequence(QStringLiteral("Ctrl+P")));
    MnuFilePrintList = add(file, tr("Print &Call List"), QKeySequence(QStringLiteral("Ctrl+C")));
    MnuFileExit = add(file, tr("E&xit"), QKeySequence(QStringLiteral("Ctrl+E")));

    MnuOptions = MainMenu->addMenu(tr("&Options"));
    MnuFont = add(MnuOptions, tr("&Font"), {});
    MnuCardDesign = add(MnuOptions, tr("Card &Design..."), {});
    MnuNumberCards = add(MnuOptions, tr("&Number the Cards"), {});
    MnuNumberCards->setCheckable(true);
    MnuSameTextSize = add(MnuOptions, tr("&Same Text Size"), {});
    MnuSameTextSize->setCheckable(true);
    MnuTickets = add(MnuOptions, tr("&90-Ball Tickets"), {});
    MnuTickets->setCheckable(true);

    MnuSample = MainMenu->addMenu(tr("&Samples"));

    MnuGame = MainMenu->addMenu(tr("&Game"));
    MnuCallWords = add(MnuGame, tr("&Call Words..."), QKeySequence(Qt::Key_F5));
    MnuCheckCard = add(MnuGame, tr("C&heck a Card..."), QKeySequence(Qt::Key_F6));
    MnuRoomDisplay = add(MnuGame, tr("&Room Display"), QKeySequence(Qt::Key_F7));
    MnuPatterns = add(MnuGame, tr("Your &Patterns..."), {});

    MnuHelp = MainMenu->addMenu(tr("&Help"));
    MnuHelpFile = add(MnuHelp, tr("&Contents"), QKeySequence(Qt::Key_F1));
    MnuHomepage = add(MnuHelp, tr("&Homepage"), {});
    MnuAbout = add(MnuHelp, tr("&About"), {});
    // In design pixels, like every position of the form (the bar's real height, at the
    // desktop's font, is the design height grown by the form's scale).
    MainMenu->setGeometry(0, 0, 677, static_cast<int>(std::lround(MainMenu->sizeHint().height() / FormScale::Current())));
}

void TFrmMain::BuildToolBar()
{
    // On the form, title bar and menu bar took the top 49 pixels, the tool bar the strip
    // from y = 49 to 78 with its buttons at y = 51. Here the title bar lies outside, so the
    // tool bar follows the menu bar directly and everything below moves up with it.
    const int menuBottom = MainMenu->geometry().bottom() + 1;
    TitleBand = 49 - menuBottom;
    auto* bar = new QFrame(this);
    bar->setGeometry(0, menuBottom, 677, 29);
    bar->setFrameShape(QFrame::NoFrame);
    auto* line = new QFrame(this);
    line->setGeometry(0, FormY(78), 677, 1);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto button = [&](int left, ToolIcon icon, const QString& tip) {
        auto* b = new QToolButton(bar);
        b->setGeometry(left, 2, 33, 25);
        b->setAutoRaise(true);
        b->setIcon(MakeToolIcon(icon));
        b->setIconSize(QSize(16, 16));
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    ToolButtonNew = button(0, ToolIcon::New, tr("New"));
    ToolButtonOpen = button(33, ToolIcon::Open, tr("Open"));
    ToolButtonSave = button(66, ToolIcon::Save, tr("Save"));
    auto* separator = new QFrame(bar);
    separator->setGeometry(99 + 3, 4, 2, 21);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    ToolButtonPrint = button(107, ToolIcon::Print, tr("Print"));
}

void TFrmMain::BuildControls()
{
    setWindowTitle(QStringLiteral("Plumwick"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    BuildMenu();
    BuildToolBar();
    setFixedSize(677, FormY(492));
    setAcceptDrops(true);

    CboCardStr = Place(new QComboBox(this), 8, FormY(85), 193, 21);
    CboCardStr->setEditable(true);
    CboCardStr->setLineEdit(WordBox = new WordBoxEdit(CboCardStr));
    CboCardStr->setInsertPolicy(QComboBox::NoInsert);
    CboCardStr->setCompleter(nullptr);
    CboCardStr->setModel(&WordList);
    CboCardStr->setMaxVisibleItems(20);
    // The box has a fixed size; never measure every word of a long list for it.
    CboCardStr->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* list = qobject_cast<QListView*>(CboCardStr->view()))
        list->setUniformItemSizes(true); // the drop-down opens at once on 100,000 words
    BtnAdd = Place(new QPushButton(tr("Add"), this), 216, FormY(83), 80, 27);
    BtnDelete = Place(new QPushButton(tr("Delete"), this), 305, FormY(83), 80, 27);

    Label2 = MakeLabel(this, 8, FormY(113), tr("Sample Card:"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    FormScale::FitLabel(Label2);

    // The word count stands on the label's line, right-aligned over the card.
    LblWordCount = Place(new QLabel(this), 8 + 441 - 300, Label2->y(), 300, Label2->height());
    LblWordCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    PB = Place(new PaintBox(this, [this](Surface& s) { PBPaint(s); }), 8, FormY(136), 441, 313);

    GrpOptions = Place(new QGroupBox(tr("Options"), this), 456, FormY(128), 217, 321);
    QLabel* sizeLabel = MakeLabel(GrpOptions, 8, 24, tr("Card Size: "));
    CboCardSize = Place(new QComboBox(GrpOptions), 64, 21, 108, 21);
    CboCardSize->addItems({QStringLiteral("3 x 3"), QStringLiteral("5 x 5"), QStringLiteral("7 x 7")});
    CboCardSize->setCurrentIndex(1);
    ChkFreeSpace = Place(new QCheckBox(tr("Use Free Space "), GrpOptions), 8, 48, 105, 21);
    QLabel* freeLabel = MakeLabel(GrpOptions, 30, 72, tr("Text: "));
    TxtFreeSpace = Place(new QLineEdit(QStringLiteral("Free Space"), GrpOptions), 61, 70, 121, 19);
    ChkHeading = Place(new QCheckBox(tr("Use Column Heading"), GrpOptions), 8, 96, 125, 21);
    QLabel* headingLabel = MakeLabel(GrpOptions, 30, 120, tr("Text: "));
    TxtHeading = Place(new QLineEdit(QStringLiteral("BINGO"), GrpOptions), 61, 118, 121, 19);
    FollowTextDirection(TxtFreeSpace);
    FollowTextDirection(TxtHeading);
    ChkWordWrap = Place(new QCheckBox(tr("Word Wrap"), GrpOptions), 8, 144, 80, 21);
    ChkWordWrap->setChecked(true);

    GrpPrint = Place(new QGroupBox(tr("Print"), GrpOptions), 8, 184, 201, 121);
    UseClassicGroupBox(GrpOptions);
    UseClassicGroupBox(GrpPrint);
    QLabel* printerLabel = MakeLabel(GrpPrint, 8, 16, tr("Printer To Use: "));
    CboPrinters = Place(new QComboBox(GrpPrint), 8, 31, 177, 21);
    QLabel* countLabel = LblCardNum = MakeLabel(GrpPrint, 8, 67, tr("Number of Bingo Card: "));
    EdtCardNum = Place(new QSpinBox(GrpPrint), 128, 64, 57, 19);
    EdtCardNum->setRange(1, 99999);
    EdtCardNum->setSingleStep(1);
    EdtCardNum->setValue(1);
    QLabel* perPageLabel = LblCardsPerPage = MakeLabel(GrpPrint, 8, 96, tr("Bingo Cards Per Page: "));
    CboCardsPerPage = Place(new QComboBox(GrpPrint), 128, 93, 57, 21);
    CboCardsPerPage->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")});

    Label1 = Place(new QLabel(this), 8, FormY(456), 665, 492 - 456); // two lines, within the window
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Every control names itself to a screen reader: labels are linked to what they label,
    // and the combo boxes say what they are for beside the value they read out.
    Label2->setBuddy(PB);
    sizeLabel->setBuddy(CboCardSize);
    freeLabel->setBuddy(TxtFreeSpace);
    headingLabel->setBuddy(TxtHeading);
    printerLabel->setBuddy(CboPrinters);
    countLabel->setBuddy(EdtCardNum);
    perPageLabel->setBuddy(CboCardsPerPage);
    TxtFreeSpace->setAccessibleName(tr("Free space text"));
    TxtHeading->setAccessibleName(tr("Column heading text"));
    EdtCardNum->setAccessibleName(tr("Number of bingo cards"));
    if (auto* edit = EdtCardNum->findChild<QLineEdit*>())
        edit->setAccessibleName(tr("Number of bingo cards"));
    CboCardStr->setAccessibleName(tr("Word"));
    CboCardStr->lineEdit()->setAccessibleName(tr("Word"));
    CboCardStr->lineEdit()->setAccessibleDescription(
        tr("Type a word or phrase; Enter adds it to the list. The list opens below."));
    CboCardSize->setAccessibleName(tr("Card size"));
    CboPrinters->setAccessibleName(tr("Printer to use"));
    CboCardsPerPage->setAccessibleName(tr("Bingo cards per page"));
    for (QComboBox* box : {CboCardSize, CboPrinters, CboCardsPerPage})
        SpeakValue(box);
    LblWordCount->setAccessibleName(tr("Status"));
    GrpOptions->setAccessibleName(tr("Options"));
    GrpPrint->setAccessibleName(tr("Print"));

    setTabOrder(CboCardStr, BtnAdd);
    setTabOrder(BtnAdd, BtnDelete);
    setTabOrder(BtnDelete, PB);
    setTabOrder(PB, CboCardSize);
    setTabOrder(CboCardSize, ChkFreeSpace);
    setTabOrder(ChkFreeSpace, TxtFreeSpace);
    setTabOrder(TxtFreeSpace, ChkHeading);
    setTabOrder(ChkHeading, TxtHeading);
    setTabOrder(TxtHeading, ChkWordWrap);
    setTabOrder(ChkWordWrap, CboPrinters);
    setTabOrder(CboPrinters, EdtCardNum);
    setTabOrder(EdtCardNum, CboCardsPerPage);
    UseWindowColours(this);
    FormScale::Apply(this);
    FormScale::FitTexts(this);
    FormScale::FitScreen(this);
    ScreenFit::Install(this, false, false); // scrolls already where it must
}
