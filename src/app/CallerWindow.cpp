// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "app/CallerWindow.h"
#include "widgets/PictureView.h"
#include "words/PictureEntry.h"
#include "platform/ui/Announcer.h"
#include "widgets/CallerBoard.h"
#include "widgets/PatternBox.h"
#include "app/RoomDisplay.h"
#include "widgets/SampleCardAccessible.h"
#include "app/SharePanel.h"
#include "platform/ui/ScreenFit.h"
#include "platform/ui/WindowAccessible.h"
#include "words/Bidi.h"
#include "words/CountText.h"
#include "platform/ui/FitText.h"
#include "platform/ui/Guarded.h"
#include "platform/ui/Panel.h"
#include "card/CardArrangement.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"
#include "platform/Speech.h"
#include "platform/TextFile.h"
#include "settings/SettingsFlag.h"
#include "settings/TraditionalCallsFile.h"
#include "game/TraditionalCalls.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QHBoxLayout>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

CallerWindow::CallerWindow(QWidget* owner, Prompts& asks, Speech* voice, std::function<GameSource()> currentList,
                           std::function<std::uint64_t()> random)
    : QWidget(owner, Qt::Window), Asks(asks), Voice(voice), CurrentList(std::move(currentList)), Random(std::move(random))
{
    SampleCardAccessible::Install(); // its own accessible role, before anyone asks
    setWindowTitle(tr("Call Words"));
    ExposeAsWindow("CallerWindow");
    resize(760, 560);

    CboGame = new QComboBox(this);
    LblCall = new QLabel(this);
    LblCall->setAlignment(Qt::AlignCenter);
    LblCall->setWordWrap(true);
    LblCall->setMinimumHeight(120);
    // Its font is fitted to the room it is given, so the font never asks for more room: the
    // call and the board share the height as their stretch says.
    LblCall->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    CallPicture = new PictureView(this);
    CallPicture->hide();
    // In the selection's colours, which every theme makes stand out from the window.
    LblClaim = new QLabel(this);
    LblClaim->setAlignment(Qt::AlignCenter);
    LblClaim->setWordWrap(true);
    LblClaim->setAutoFillBackground(true);
    LblClaim->setBackgroundRole(QPalette::Highlight);
    LblClaim->setForegroundRole(QPalette::HighlightedText);
    LblClaim->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LblClaim->setMargin(8);
    LblClaim->hide();
    Board = new CallerBoard(this);
    Speaker = Announcer::Of(this);
    LblCount = new QLabel(this);
    LblLast = new QLabel(this);
    // The last calls line is cut to the window, never the window stretched to the line.
    LblLast->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LblLast->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    BtnNext = new QPushButton(tr("&Next"), this);
    BtnUndo = new QPushButton(tr("&Undo"), this);
    BtnNewGame = new QPushButton(tr("New &Game"), this);
    BtnCheck = new QPushButton(tr("&Check a Card..."), this);
    ChkReadAloud = new QCheckBox(tr("&Read Aloud"), this);
    ChkTraditional = new QCheckBox(tr("Tra&ditional Calls"), this);
    ChkTraditional->setToolTip(tr("Calls such as \"Two little ducks, 22\", from a list you can edit: %1")
                                   .arg(TraditionalCallsPath()));
    ChkTraditional->setVisible(false);
    ChkTraditional->setChecked(TraditionalCallsFlag.Read());
    ChkShare = new QCheckBox(tr("&Share on this network"), this);
    ChkShare->setToolTip(tr("Phones in the room get cards of this game and see every call; their claims are checked here."));
    Share = new SharePanel(this, Asks);
    QBoxLayout* automatic = BuildAutoCall();
    QBoxLayout* prizes = BuildPrizes();
    BuildRoomDisplay();
    automatic->addWidget(BtnPrizes);
    automatic->addWidget(BtnNextPrize);
    automatic->addWidget(BtnRecord);
    // Space and Enter call the next word from the board and the window, which have the
    // focus unless the keyboard took it to a control: there they do what the control does
    // (tick, press, open). A control clicked with the mouse gives the focus back to the board.
    setFocusPolicy(Qt::StrongFocus);
    Board->setFocusPolicy(Qt::StrongFocus);
    Board->installEventFilter(this);
    for (QWidget* w : std::initializer_list<QWidget*>{CboGame, BtnNext, BtnUndo, BtnNewGame, BtnCheck, ChkReadAloud,
                                                       ChkTraditional, ChkShare, ChkAutoCall, SpnSeconds, BtnPause,
                                                       BtnPrizes, BtnNextPrize, ChkSkip, ChkRoom, BtnRecord}) {
        w->setFocusPolicy(Qt::TabFocus);
        w->installEventFilter(this);
    }
    // The seconds are typed: a click in the box gives it the keys.
    SpnSeconds->setFocusPolicy(Qt::StrongFocus);
    // A box ticked by its access key or the mouse leaves the focus on the board, where a
    // screen reader would not hear the change: it is said.
    for (QCheckBox* box : {ChkReadAloud, ChkTraditional, ChkShare, ChkAutoCall, ChkSkip, ChkRoom})
        connect(box, &QCheckBox::clicked, this, [this, box](bool on) {
            if (!box->hasFocus())
                Announcer::Of(this)->Say((on ? tr("%1: checked") : tr("%1: not checked")).arg(box->text().remove(u'&')));
        });

    auto* top = new QHBoxLayout;
    auto* playLabel = new QLabel(tr("&Play:"), this);
    playLabel->setBuddy(CboGame);
    top->addWidget(playLabel);
    top->addWidget(CboGame, 1);
    auto* status = new QHBoxLayout;
    status->addWidget(LblCount);
    status->addWidget(LblLast, 1);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{BtnNext, BtnUndo, BtnNewGame, BtnCheck})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(ChkRoom);
    buttons->addWidget(ChkShare);
    buttons->addWidget(ChkTraditional);
    buttons->addWidget(ChkReadAloud);
    auto* whole = new QHBoxLayout(this);
    auto* layout = new QVBoxLayout;
    CallAndBoard = layout;
    whole->addLayout(layout, 3);
    whole->addWidget(Share, 2);
    layout->addLayout(top);
    layout->addWidget(LblClaim);
    layout->addLayout(prizes);
    layout->addWidget(CallPicture, 3);
    layout->addWidget(LblCall, 3);
    layout->addWidget(Board, 2);
    layout->addLayout(status);
    layout->addLayout(buttons);
    layout->addLayout(automatic);
    SetTabOrder();
    // Opened over the main window, wholly on its screen at any font and scale.
    ScreenFit::Install(this);

    QString why;
    if (!Voice || !Voice->Available(&why)) {
        ChkReadAloud->setEnabled(false);
        ChkReadAloud->setToolTip(Voice ? why : tr("No speech here."));
    } else {
        ChkReadAloud->setChecked(ReadAloudFlag.Read());
    }
    connect(ChkReadAloud, &QCheckBox::toggled, this, [this](bool on) {
        RunGuarded(Asks, [on] { ReadAloudFlag.Write(on); });
    });
    connect(ChkTraditional, &QCheckBox::toggled, this, [this](bool on) {
        RunGuarded(Asks, [this, on] {
            ShowState();
            TraditionalCallsFlag.Write(on);
        });
    });
    connect(BtnNext, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { Next(); }); });
    connect(BtnUndo, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { Undo(); }); });
    connect(BtnNewGame, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { NewGame(); }); });
    connect(BtnCheck, &QPushButton::clicked, this,
            [this] { Q_EMIT CheckRequested(Playing.Code, Prizes().Now() ? Prizes().Now()->Pattern : QString()); });
    connect(ChkShare, &QCheckBox::toggled, this, [this](bool on) { SetSharing(on); });
    connect(Share, &SharePanel::ClaimsChanged, this, [this] { ShowClaimBanner(); });
    connect(Share, &SharePanel::JoinChanged, this, [this] { ShowRoom(); });
    connect(Share, &SharePanel::ClaimArrived, this, [this](const QString& text) {
        SayClaim(text);
        // Heard across the hall: a sound, and the claim read out where calls are; in a
        // flood of claims, once every three seconds.
        if (!ClaimSounded.isValid() || ClaimSounded.elapsed() >= 3000) {
            ClaimSounded.start();
            QApplication::beep();
            if (ChkReadAloud->isChecked() && Voice)
                Voice->Say(text);
        }
        if (AutoNow() == AutoCall::State::Counting || AutoNow() == AutoCall::State::WaitingForSpeech)
            PauseAutoCall(true, tr("Auto Call paused: a claim came in"));
    });
    FillGames();
    connect(CboGame, &QComboBox::activated, this, [this](int index) { RunGuarded(Asks, [this, index] { ChooseGame(index); }); });
    ShowAutoCall();
    UseWindowColours(this);
}

CallerWindow::~CallerWindow() = default;

void CallerWindow::SetTabOrder()
{
    // As the window reads: the game, the prize's box, the board, the row of buttons and
    // boxes, the Auto Call row, then the sharing panel beside them.
    const std::initializer_list<QWidget*> order{CboGame, ChkSkip, Board, BtnNext, BtnUndo, BtnNewGame, BtnCheck, ChkRoom,
                                                ChkShare, ChkTraditional, ChkReadAloud, ChkAutoCall, SpnSeconds, BtnPause,
                                                BtnPrizes, BtnNextPrize, BtnRecord, Share->LblUrl};
    for (auto at = order.begin(); at + 1 != order.end(); ++at)
        setTabOrder(*at, *(at + 1));
}

const GameLog& CallerWindow::Log() const
{
    static const GameLog none;
    return Session ? Session->Log() : none;
}

QStringList CallerWindow::CalledWords() const
{
    return Session ? Session->CalledWords() : QStringList();
}

void CallerWindow::FillGames()
{
    // Filled afresh as the window comes to the front: games printed meanwhile join it. A
    // game shows by its code and its list's name, never a path (the box is on the projector).
    const QString current = CboGame->currentData().toString();
    const QSignalBlocker quiet(CboGame);
    CboGame->clear();
    CboGame->addItem(tr("The current list"));
    for (const GameRecord& game : GameHistory::Read())
        CboGame->addItem(game.Tickets ? tr("Game %1: 90-ball tickets (%2)").arg(game.Code, StripCountText(game.Cards))
                                      : tr("Game %1: %2 (%3)")
                                            .arg(game.Code, QFileInfo(game.ListFile).completeBaseName(),
                                                 CardCountText(game.Cards)),
                         game.Code);
    CboGame->setCurrentIndex(std::max(0, CboGame->findData(current)));
    CboGame->setAccessibleDescription(CboGame->currentText());
}

void CallerWindow::ChooseGame(int index)
{
    const QString code = CboGame->itemData(index).toString();
    if (code.isEmpty()) {
        Play(CurrentList());
        return;
    }
    if (const auto game = GameHistory::Find(code))
        Play(GameHistory::LoadGame(*game));
}

void CallerWindow::Play(const GameSource& source)
{
    // Another game: the phones of the last one are let go, and the timer stops.
    if (Share->Sharing() && source.Code != Playing.Code)
        ChkShare->setChecked(false);
    Playing = source;
    const bool columnGame = !source.Tickets && PlanArrangement(source.Words).ColumnRule;
    Session = std::make_unique<CallingSession>(
        CallingSession::Game{source.Words, columnGame, CardSide(source.Options.SizeIndex), source.Tickets});
    Session->SetAutoSeconds(SpnSeconds->value());
    Session->SetSkipping(ChkSkip->isChecked());
    Session->Choose(BoxPattern(Share->CboPattern));
    ShowAutoCall(); // another game starts with the timer off
    CallPictures = ReadShelf(source.Words, source.PictureFolder); // one that can't be read shows its caption
    Share->SetLook(CallPictures, source.Design);
    Letters.clear();
    if (columnGame && source.Options.Heading)
        Letters = HeadingLetters(source.Options.HeadingText);
    // Tickets are called by number alone, or by their traditional calls.
    ChkTraditional->setVisible(source.Tickets);
    Traditional = source.Tickets ? ReadTraditionalCalls() : std::map<int, QString>();
    // A game printed since the box was filled joins it first, so the box names the game
    // whose calls these are; a screen reader hears that name in place of the last call.
    FillGames();
    const int at = CboGame->findData(source.Code);
    {
        const QSignalBlocker quiet(CboGame);
        CboGame->setCurrentIndex(source.Code.isEmpty() ? 0 : std::max(at, 0));
    }
    CboGame->setAccessibleDescription(CboGame->currentText());
    Speaker->Say(CboGame->currentText());
    // The window shows the new game before it asks anything: the question's own event loop
    // paints it, and the board must not be left drawing the calls just let go.
    ShowPrize();
    ShowState();
    // A game stopped part way offers to go on.
    const CallerDraw resumed = GameHistory::SavedCalls(source);
    const AskingFrom asking(Asks, this); // over the caller, though it may be opening still
    const bool goOn = resumed.CalledCount() > 0 && !resumed.Done() &&
                      Asks.Question(tr("This game was stopped after %1 calls. Go on where it stopped?")
                                        .arg(resumed.CalledCount()),
                                    true);
    // Its log: the times of the calls it goes on from, none for a game started afresh.
    if (goOn)
        Session->GoOn(resumed, GameHistory::SavedLog(source));
    // Its prizes, with their winners where it goes on.
    Session->TakePrizes(GameHistory::SavedPrizes(source), goOn);
    ShowPrize();
    ShowState();
    Board->setFocus(); // the call key works from here
}

void CallerWindow::Next()
{
    if (!Calls())
        return;
    const bool reading = ChkReadAloud->isChecked() && Voice;
    const int index = Session->Call(Random(), QDateTime::currentDateTimeUtc(), reading);
    if (index < 0) {
        // Skipping, every number the pattern can use is called.
        ShowAutoCall();
        if (!Calls()->Done())
            Speaker->Say(tr("Every number the pattern can use is called"));
        return;
    }
    // What shows is what was called, whether or not it could be saved.
    ShowState();
    Speaker->Say(Calls()->Done() ? tr("%1. %2 of %2 called, the game is complete")
                                     .arg(SaidText(index))
                                     .arg(Calls()->Total())
                               : SaidText(index));
    if (reading)
        Voice->Say(SaidText(index));
    // The timer counts from this call, whoever made it; the last call ended it.
    ShowAutoCall();
    Save();
}

void CallerWindow::Undo()
{
    const int index = Session ? Session->TakeBack(QDateTime::currentDateTimeUtc()) : -1;
    if (index >= 0) {
        ShowState();
        Speaker->Say(tr("%1 taken back").arg(CallText(index)));
        Save();
    }
}

void CallerWindow::NewGame()
{
    if (!Calls() || Calls()->CalledCount() == 0)
        return;
    if (!Asks.Question(tr("Start a new game? The %1 calls so far are cleared.").arg(Calls()->CalledCount()), false))
        return;
    Session->Restart(); // the same prizes, won by no one yet
    ShowAutoCall();
    if (Prizes().Active()) {
        SavePrizes();
        ShowPrize();
    }
    ShowState();
    Save();
}

void CallerWindow::Save()
{
    // A full disk or a folder gone is said once; the game goes on, and the calls are saved
    // with the next call that can be.
    if (!Calls())
        return;
    try {
        GameHistory::SaveCalls(Playing, Session->Draw());
        GameHistory::SaveLog(Playing, Session->Log());
        SaveFailureSaid = false;
    } catch (const PlatformError& error) {
        if (SaveFailureSaid)
            return;
        SaveFailureSaid = true;
        Asks.Error(tr("The calls could not be saved (%1). The game goes on here, and the calls are saved as "
                                  "soon as that works again")
                       .arg(error.Text()));
    }
}

QString CallerWindow::CallText(int index) const
{
    const QString word = EntryCaption(Calls()->Words()[index]);
    if (Letters.isEmpty())
        return word;
    const int group = (word.toInt() - 1) / 15;
    return group < Letters.size() && !Letters[group].trimmed().isEmpty() ? Letters[group] + u' ' + word : word;
}

QString CallerWindow::SaidText(int index) const
{
    if (Playing.Tickets && ChkTraditional->isChecked())
        return TraditionalCallText(Traditional, Calls()->Words()[index].toInt());
    return CallText(index);
}

void CallerWindow::ShowState()
{
    const bool any = Calls() && Calls()->CalledCount() > 0;
    const bool empty = !Calls() || Calls()->Total() == 0;
    LblCall->setText(empty  ? tr("This list has no words to call")
                     : any       ? SaidText(Calls()->Calls().back())
                     : AutoNow() != AutoCall::State::Off ? tr("The first call is coming")
                                 : tr("Press Space to call"));
    LblCount->setText(Calls() ? tr("%1 of %2 called").arg(Calls()->CalledCount()).arg(Calls()->Total()) : QString());
    if (const QString skipping = SkipText(); !skipping.isEmpty())
        LblCount->setText(tr("%1; %2").arg(LblCount->text(), skipping));
    LastCalls.clear();
    if (Calls())
        for (qsizetype i = Calls()->Calls().size() - 1; i >= 0 && LastCalls.size() < 5; --i)
            LastCalls << CallText(Calls()->Calls()[i]);
    BtnNext->setEnabled(Calls() && !Calls()->Done());
    BtnUndo->setEnabled(any);
    BtnNewGame->setEnabled(any);
    BtnCheck->setEnabled(!Playing.Code.isEmpty());
    ShowCallPicture();
    FitTexts();
    static_cast<CallerBoard*>(Board)->Show(Calls(), Letters, Playing.Tickets);
    // The 90-ball board has nine rows to the 75-ball board's five: it takes the height its
    // numbers need to be as large, and the call still a good part of the window.
    CallAndBoard->setStretchFactor(LblCall, Playing.Tickets ? 2 : 3);
    CallAndBoard->setStretchFactor(Board, Playing.Tickets ? 5 : 2);
    ChkShare->setEnabled(!Playing.Code.isEmpty());
    if (Share->Sharing())
        Share->SetCalls(CalledWords());
    ShowRoom();
}

void CallerWindow::FitTexts()
{
    // The count and the last calls grow with the window, for the back of the room.
    QFont status = LblCount->font();
    status.setPixelSize(std::max(11, height() / 36));
    LblCount->setFont(status);
    LblLast->setFont(status);
    const QString last = LastCalls.isEmpty() ? QString() : tr("Last calls: %1").arg(JoinIsolated(LastCalls, QStringLiteral(", ")));
    LblLast->setText(QFontMetrics(status).elidedText(last, Qt::ElideRight, std::max(40, LblLast->width())));
    QFont claim = LblClaim->font();
    claim.setBold(true);
    claim.setPixelSize(std::max(14, height() / 14));
    LblClaim->setFont(claim);
    LblLast->setToolTip(last);
    FitCall();
}

void CallerWindow::FitCall()
{
    // As large as the space allows, on one line or, for a phrase, two.
    QFont font = LblCall->font();
    font.setBold(true);
    const QRect space = LblCall->contentsRect().adjusted(8, 8, -8, -8);
    font.setPixelSize(LargestFittingSize(font, space, LblCall->text(), 8, space.height(), 2));
    LblCall->setFont(font);
}

CallerKeys::Focus CallerWindow::FocusKind(QObject* from) const
{
    // The key goes where the focus is; the window's own key events are the board's.
    QWidget* focus = from == this ? focusWidget() : qobject_cast<QWidget*>(from);
    if (!focus || focus == this || focus == Board)
        return CallerKeys::Focus::Board;
    if (qobject_cast<QAbstractButton*>(focus))
        return CallerKeys::Focus::Button;
    if (focus == CboGame)
        return CallerKeys::Focus::GameBox;
    if (qobject_cast<QAbstractSpinBox*>(focus) || qobject_cast<QLineEdit*>(focus))
        return CallerKeys::Focus::Field;
    return CallerKeys::Focus::Other;
}

bool CallerWindow::HandleKey(QObject* from, const QKeyEvent& key)
{
    using CallerKeys::Action;
    switch (CallerKeys::ActionFor(key.key(), key.modifiers(), FocusKind(from), {AutoNow() != AutoCall::State::Off, isFullScreen(), Room != nullptr})) {
    case Action::None:
        return false;
    case Action::Call:
        RunGuarded(Asks, [this] { Next(); });
        break;
    case Action::PauseOrResume:
        PauseAutoCall(AutoNow() != AutoCall::State::Paused);
        break;
    case Action::TakeBack:
        RunGuarded(Asks, [this] { Undo(); });
        break;
    case Action::PressButton:
        if (auto* button = qobject_cast<QAbstractButton*>(from == this ? focusWidget() : from))
            button->animateClick();
        break;
    case Action::OpenGames:
        CboGame->showPopup();
        break;
    case Action::FullScreen:
        isFullScreen() ? showNormal() : showFullScreen();
        break;
    case Action::RoomFullScreen:
        if (Room->isVisible())
            Room->ToggleFullScreen();
        break;
    case Action::LeaveFullScreen:
        showNormal();
        break;
    }
    return true;
}

bool CallerWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A button or box clicked with the mouse or pressed by its access key: the board has the
    // keyboard again, so the next Space calls.
    if ((event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::Shortcut) &&
        qobject_cast<QAbstractButton*>(watched))
        QTimer::singleShot(0, Board, [this] { Board->setFocus(Qt::OtherFocusReason); });
    if (event->type() == QEvent::KeyPress) {
        if (HandleKey(watched, *static_cast<QKeyEvent*>(event)))
            return true;
        // A key the control leaves reaches the window next: it is still the control's.
        KeyLeft = {event, watched};
    } else if (event->type() == QEvent::KeyRelease) {
        KeyLeft = {}; // that key is over
    }
    // A wheel over the closed box would switch games unasked.
    if (event->type() == QEvent::Wheel && watched == CboGame)
        return true;
    return QWidget::eventFilter(watched, event);
}

void CallerWindow::keyPressEvent(QKeyEvent* event)
{
    QObject* from = KeyLeft.first == event ? KeyLeft.second : this;
    KeyLeft = {};
    if (from != this || !HandleKey(this, *event))
        QWidget::keyPressEvent(event);
}

void CallerWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        RunGuarded(Asks, [this] { FillGames(); });
    QWidget::changeEvent(event);
}

void CallerWindow::closeEvent(QCloseEvent* event)
{
    // A closed caller calls nothing more, and shows the room nothing.
    StopAutoCall();
    ChkRoom->setChecked(false);
    QWidget::closeEvent(event);
}

void CallerWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitTexts();
}
