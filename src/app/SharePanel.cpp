// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "app/SharePanel.h"
#include "output/PrintJob.h"
#include "widgets/CardGridView.h"
#include "widgets/PatternBox.h"
#include "widgets/TicketGridView.h"
#include "platform/ui/SpokenValue.h"
#include "platform/ui/Announcer.h"
#include "game/CardCheck.h"
#include "game/CheckCode.h"
#include "game/ClaimQueue.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "game/PlayerMessage.h"
#include "game/SharedGame.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"
#include "share/QrCode.h"
#include "share/ShareAddress.h"
#include "share/ShareServer.h"
#include "records/GameLedger.h"
#include "settings/SettingsFlag.h"
#include "platform/ui/Guarded.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <mutex>

SharePanel::SharePanel(QWidget* parent, Prompts& asks) : QWidget(parent), Asks(asks)
{
    LblQr = new QLabel(this);
    LblQr->setAlignment(Qt::AlignCenter);
    LblQr->setMinimumSize(160, 160);
    LblQr->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    LblUrl = new QLabel(this);
    LblUrl->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    LblUrl->setFocusPolicy(Qt::StrongFocus); // reached by Tab, to be read or copied
    LblUrl->setAccessibleName(tr("Address for the phones"));
    LblUrl->setWordWrap(true);
    LblUrl->setAlignment(Qt::AlignCenter);
    QFont big = LblUrl->font();
    big.setPixelSize(18);
    big.setBold(true);
    LblUrl->setFont(big);
    CboAddress = new QComboBox(this);
    SpeakValue(CboAddress);
    CboPattern = new QComboBox(this);
    FillPatternBox(CboPattern, false);
    SpeakValue(CboPattern);
    CboJoin = new QComboBox(this);
    CboJoin->addItems({tr("In a corner"), tr("Large, in the board's place"), tr("Not shown")});
    CboJoin->setToolTip(tr("How the room display shows the address and QR code that phones join with."));
    CboJoin->setCurrentIndex(std::clamp(RoomJoinSetting.Read(), 0, 2));
    SpeakValue(CboJoin);
    connect(CboJoin, &QComboBox::currentIndexChanged, this, [this](int place) {
        RunGuarded(Asks, [place] { RoomJoinSetting.Write(place); });
        Q_EMIT JoinChanged();
    });
    LblPlayers = new QLabel(this);
    LstSeats = new QListWidget(this);
    LstSeats->setAccessibleName(tr("Seats"));
    LstSeats->setMaximumHeight(120);
    BtnRemoveSeat = new QPushButton(tr("Let This Seat Go"), this);
    BtnRemoveAddress = new QPushButton(tr("Let Every Seat of This Address Go"), this);
    LstClaims = new QListWidget(this);
    LstClaims->setAccessibleName(tr("Claims"));
    BtnConfirm = new QPushButton(tr("C&onfirm"), this);
    BtnConfirm->setToolTip(tr("The card wins with the calls made: Bingo! on every phone and the room display."));
    BtnDecide = new QPushButton(tr("Con&firm Anyway"), this);
    BtnDecide->setToolTip(tr("The card does not win with the calls made; confirm it as your decision (a house rule, a "
                             "late call). The record and the room display say it was."));
    BtnClear = new QPushButton(tr("C&lear"), this);
    ClaimCard = new CardGridView(this);
    ClaimCard->setMinimumHeight(140);
    ClaimTicket = new TicketGridView(this);
    ClaimTicket->hide();

    auto* network = new QFormLayout;
    network->addRow(tr("N&etwork:"), CboAddress);
    network->addRow(tr("Pa&ttern:"), CboPattern);
    network->addRow(tr("&Joining on the room display:"), CboJoin);
    auto* claimButtons = new QHBoxLayout;
    claimButtons->addWidget(BtnConfirm);
    claimButtons->addWidget(BtnDecide);
    claimButtons->addWidget(BtnClear);
    claimButtons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LblQr, 3);
    layout->addWidget(LblUrl);
    layout->addLayout(network);
    layout->addWidget(LblPlayers);
    // Each list named on screen as for a screen reader: the seats, then the claims.
    auto* seatsLabel = new QLabel(tr("Seats:"), this);
    seatsLabel->setBuddy(LstSeats);
    layout->addWidget(seatsLabel);
    layout->addWidget(LstSeats);
    auto* seatButtons = new QHBoxLayout;
    seatButtons->addWidget(BtnRemoveSeat);
    seatButtons->addWidget(BtnRemoveAddress);
    seatButtons->addStretch();
    layout->addLayout(seatButtons);
    auto* claimsLabel = new QLabel(tr("Claims:"), this);
    claimsLabel->setBuddy(LstClaims);
    layout->addWidget(claimsLabel);
    layout->addWidget(LstClaims, 1);
    layout->addLayout(claimButtons);
    layout->addWidget(ClaimCard, 2);
    layout->addWidget(ClaimTicket, 1);

    connect(CboAddress, &QComboBox::activated, this, [this](int index) {
        const QHostAddress address(CboAddress->itemData(index).toString());
        try {
            Listen(address);
            Q_EMIT JoinChanged();
            ShareAddress::Remember(address);
        } catch (const PlatformError& e) {
            Asks.Error(e.Text());
        }
    });
    connect(CboPattern, &QComboBox::currentIndexChanged, this, [this] {
        TellPattern();
        ShowClaim();
    });
    connect(LstClaims, &QListWidget::currentRowChanged, this, [this] { ShowClaim(); });
    connect(BtnRemoveSeat, &QPushButton::clicked, this, [this] { RemoveSeats(false); });
    connect(BtnRemoveAddress, &QPushButton::clicked, this, [this] { RemoveSeats(true); });
    connect(BtnConfirm, &QPushButton::clicked, this, [this] { Settle(false); });
    connect(BtnDecide, &QPushButton::clicked, this, [this] { Settle(true); });
    connect(BtnClear, &QPushButton::clicked, this, [this] {
        const QListWidgetItem* item = LstClaims->currentItem();
        if (!item || !Queue)
            return;
        const int card = item->data(Qt::UserRole).toInt();
        const QString text = item->text();
        if (!item->data(Qt::UserRole + 1).toBool())
            Queue->Tidy(card); // a settled claim only leaves the list
        else if (Queue->Clear(card))
            Q_EMIT ClaimCleared(card, text);
        ShowClaims();
        Q_EMIT ClaimsChanged();
    });
    hide();
}

SharePanel::~SharePanel() = default;

void SharePanel::Start(const GameSource& game, const QStringList& calls)
{
    Stop();
    const auto code = ParseGameCode(game.Code);
    if (!code)
        throw PlatformError(tr("Only a printed game can be shared: choose it in \"Play\"."));
    Game = game;
    Calls = calls;
    FillPatternBox(CboPattern, game.Tickets, CardSide(game.Options.SizeIndex));
    ClaimCard->setVisible(!game.Tickets);
    ClaimTicket->setVisible(game.Tickets);
    auto lock = std::make_shared<std::mutex>();
    auto secret = [] { return QString::fromLatin1(ShareServer::NewSecret()); };
    // Every phone's card is taken from the game's record when it is dealt: never from a
    // count kept since the game was chosen.
    RecordFailureSaid = false;
    const SharedGame::Ledger ledger = RecordedLedger({game.Code, game.ListFile, game.Options, 0, game.Tickets, {}},
                                                     [this](const QString& note) {
                                                         QMetaObject::invokeMethod(this, [this, note] { SayRecordFailure(note); },
                                                                                   Qt::QueuedConnection);
                                                     });
    if (game.Tickets) {
        // A phone gets a ticket: the game's strips, planned further as they are dealt, are
        // counted in tickets (the record keeps strips: six tickets each).
        auto strips = std::make_shared<NinetyBall::StripGame>(NinetyBall::Dealer(), code->Seed);
        TicketOf = [strips, lock](int n) {
            std::lock_guard<std::mutex> guard(*lock);
            const int strip = (n - 1) / NinetyBall::TicketsPerStrip + 1;
            if (strip > strips->Planned())
                strips->Plan(std::max(strip, 2 * strips->Planned() + 4));
            return strips->At(strip)[static_cast<size_t>((n - 1) % NinetyBall::TicketsPerStrip)];
        };
        Shared = std::make_shared<SharedGame>(game.Code, ChosenTicketPattern(), ledger,
                                              NinetyBall::TicketsPerStrip * NinetyBall::MaxStrips, TicketOf, secret,
                                              SharedGame::Limits{});
    } else {
        // The phones' cards come from the game's own deal, planned further as they are dealt;
        // the server's threads and this window ask for them in turn.
        auto deal = std::make_shared<NumberedGame>(game.Words, game.Options, code->Seed);
        const auto different = deal->DifferentCards();
        const int limit = static_cast<int>(std::min<std::uint64_t>(different.value_or(MaxSharedCard), MaxSharedCard));
        // A printed card is taken with the check code under it, where the game's cards have one.
        const QString checkSecret = GameHistory::SecretOf(game.Code);
        CardOf = [deal, lock, limit](int n) {
            std::lock_guard<std::mutex> guard(*lock);
            if (n > deal->Planned()) {
                QString error;
                if (!deal->Plan(std::min(limit, std::max(n, 2 * deal->Planned() + 16)), error))
                    deal->Plan(n, error);
            }
            return n <= deal->Planned() ? deal->Card(n) : QStringList();
        };
        Shared = std::make_shared<SharedGame>(game.Code, game.Options, ChosenPattern(), ledger, limit, CardOf, secret,
                                              SharedGame::Limits{});
        if (!checkSecret.isEmpty())
            Shared->SetCheckCodes([checkSecret](int n) { return CheckCode::Of(checkSecret, n); });
        Shared->SetCheckWord(FooterWords::In(GameHistory::LanguageOf(game.Code)).Check);
    }
    Shared->SetCalls(calls);
    Queue = std::make_shared<ClaimQueue>();
    const QHostAddress chosen = ShareAddress::Chosen();
    CboAddress->clear();
    QList<QHostAddress> candidates = ShareAddress::Candidates();
    if (!candidates.contains(chosen))
        candidates.prepend(chosen);
    for (const QHostAddress& address : candidates)
        CboAddress->addItem(address.toString(), address.toString());
    CboAddress->setCurrentIndex(static_cast<int>(candidates.indexOf(chosen)));
    Listen(chosen);
    ShowClaims();
    Q_EMIT ClaimsChanged();
    ShowSeats();
    show();
}

void SharePanel::Listen(const QHostAddress& address)
{
    Server.reset(); // a new address: a new token, the old connections closed
    ShareServer::Options options;
    options.Address = address;
    options.Pictures = Pictures;
    options.Design = Design;
    options.Claims = Queue;
    Server = std::make_unique<ShareServer>(Shared, options);
    Server->SetCalls(Calls);
    connect(Server.get(), &ShareServer::ClaimHeard, this, &SharePanel::AddClaim);
    connect(Server.get(), &ShareServer::SeatsChanged, this, &SharePanel::ShowSeats);
    connect(Server.get(), &ShareServer::ConnectedChanged, this,
            [this](int players) { LblPlayers->setText(tr("Phones connected: %1").arg(players)); });
    LblUrl->setText(Server->Url());
    LblUrl->setAccessibleDescription(Server->Url());
    LblPlayers->setText(tr("Phones connected: %1").arg(0));
    ShowQr();
    Announcer::Of(window())->Say(tr("Phones can join at %1").arg(Server->Url()));
}

void SharePanel::Stop()
{
    Server.reset();
    Shared.reset();
    Queue.reset();
    ShowClaims();
    Q_EMIT ClaimsChanged();
    hide();
}

QString SharePanel::WaitingClaim() const
{
    const auto waiting = Queue ? Queue->OldestWaiting() : std::nullopt;
    return waiting ? waiting->Text : QString();
}

int SharePanel::WaitingCard() const
{
    const auto waiting = Queue ? Queue->OldestWaiting() : std::nullopt;
    return waiting ? waiting->Card : 0;
}

QString SharePanel::Url() const
{
    return Server ? Server->Url() : QString();
}

void SharePanel::SetCalls(const QStringList& calls)
{
    Calls = calls;
    if (Server)
        Server->SetCalls(calls);
}

void SharePanel::ShowSeats()
{
    // One row a seat, by address, each saying how many seats its address holds: a script
    // that took many from one place stands out.
    const QList<SharedGame::SeatRow> seats = Server ? Server->Seats() : QList<SharedGame::SeatRow>();
    QHash<QString, int> perAddress;
    for (const SharedGame::SeatRow& seat : seats)
        ++perAddress[seat.Address];
    const int kept = LstSeats->currentRow();
    LstSeats->clear();
    for (const SharedGame::SeatRow& seat : seats) {
        const QString what = Game.Tickets ? tr("ticket %1").arg(seat.Card) : tr("card %1").arg(seat.Card);
        auto* item = new QListWidgetItem(tr("%1: %2 (%3 from this address)").arg(seat.Address, what).arg(perAddress.value(seat.Address)),
                                         LstSeats);
        item->setData(Qt::UserRole, seat.Card);
        item->setData(Qt::UserRole + 1, seat.Address);
    }
    LstSeats->setCurrentRow(std::min(kept, LstSeats->count() - 1));
    BtnRemoveSeat->setEnabled(LstSeats->count() > 0);
    BtnRemoveAddress->setEnabled(LstSeats->count() > 0);
}

void SharePanel::RemoveSeats(bool wholeAddress)
{
    const QListWidgetItem* item = LstSeats->currentItem();
    if (!Server || !item)
        return;
    const QString address = item->data(Qt::UserRole + 1).toString();
    const int gone = wholeAddress ? Server->RemoveAddress(address) : Server->RemoveSeat(item->data(Qt::UserRole).toInt());
    ShowSeats();
    Announcer::Of(window())->Say(tr("%1 seats let go").arg(gone));
}

void SharePanel::SayRecordFailure(const QString& note)
{
    // Said once a sharing: the phones go on being dealt cards this program never deals again.
    if (RecordFailureSaid)
        return;
    RecordFailureSaid = true;
    Asks.Error(note);
}

void SharePanel::AddClaim(const QString& text, int card, bool)
{
    // The queue has it already, one entry a card while it waits: the list shows it.
    ShowClaims(card);
    Q_EMIT ClaimArrived(text);
    Q_EMIT ClaimsChanged();
}

void SharePanel::ShowClaims(int card)
{
    const QListWidgetItem* current = LstClaims->currentItem();
    const int kept = card ? card : current ? current->data(Qt::UserRole).toInt() : 0;
    const bool keptWaiting = card || (current && current->data(Qt::UserRole + 1).toBool());
    {
        const QSignalBlocker quiet(LstClaims);
        LstClaims->clear();
        int row = -1;
        for (const ClaimQueue::Claim& claim : Queue ? Queue->Claims() : std::vector<ClaimQueue::Claim>()) {
            const bool waiting = claim.Now == ClaimQueue::State::Waiting;
            auto* item = new QListWidgetItem(waiting ? claim.Text
                                             : claim.Now == ClaimQueue::State::Confirmed
                                                 ? tr("%1 (confirmed)").arg(claim.Text)
                                                 : tr("%1 (the host's decision)").arg(claim.Text),
                                             LstClaims);
            item->setData(Qt::UserRole, claim.Card);
            item->setData(Qt::UserRole + 1, waiting);
            if (claim.Card == kept && (waiting == keptWaiting || row < 0))
                row = LstClaims->count() - 1;
        }
        // Selected only where the host is in the list: a screen reader takes a list's
        // selection changing for the focus moving there ("Claims. List with 1 item ..."),
        // while the host's keys stay on the board. The claim itself is announced.
        LstClaims->setCurrentRow(row >= 0 ? row : LstClaims->count() - 1,
                                 LstClaims->hasFocus() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate);
    }
    ShowClaim();
}

void SharePanel::Settle(bool hostsDecision)
{
    const QListWidgetItem* item = LstClaims->currentItem();
    if (!item || !Queue)
        return;
    const int card = item->data(Qt::UserRole).toInt();
    // Judged again now: the calls may have changed since the claim came.
    const Judged judged = Judge(card);
    if (!(hostsDecision ? Queue->Decide(card) : Queue->Confirm(card, judged.Wins)))
        return;
    ShowClaims(card);
    Q_EMIT ClaimsChanged();
    Q_EMIT ClaimConfirmed(card, judged.Line, hostsDecision);
}

void SharePanel::ShowClaim()
{
    const QListWidgetItem* item = LstClaims->currentItem();
    const bool waiting = item && item->data(Qt::UserRole + 1).toBool();
    BtnClear->setEnabled(item != nullptr);
    if (!item || !Shared) {
        BtnConfirm->setEnabled(false);
        BtnDecide->setEnabled(false);
        ClaimCard->Clear();
        ClaimTicket->Clear();
        return;
    }
    const Judged judged = Judge(item->data(Qt::UserRole).toInt());
    // Confirmed only where the card wins now; otherwise only as the host's own decision.
    BtnConfirm->setEnabled(waiting && judged.Wins);
    BtnDecide->setEnabled(waiting && !judged.Wins);
    if (Game.Tickets)
        ClaimTicket->Show(judged.Ticket, judged.Marked, judged.TicketResult.Rows);
    else
        ClaimCard->Show(judged.Card, judged.Marked, judged.CardResult.Cells);
}

SharePanel::Judged SharePanel::Judge(int card) const
{
    // The ticket or card as the phone got it, from the game's own deal, with the calls marked.
    Judged judged;
    if (Game.Tickets) {
        judged.Ticket = TicketOf(card);
        judged.Marked = NinetyBall::CalledNumbers(Calls);
        judged.TicketResult = NinetyBall::CheckTicket(judged.Ticket, judged.Marked, ChosenTicketPattern());
        judged.Wins = judged.TicketResult.Won;
        judged.Line = judged.Wins ? judged.TicketResult.Name : QString();
    } else {
        judged.Card = MakeCardView(CardOf(card), Game.Options);
        judged.Marked = judged.Card.Marked(QSet<QString>(Calls.cbegin(), Calls.cend()));
        judged.CardResult = CheckFor(judged.Marked, judged.Card.Side, ChosenPattern(), judged.Card.Heading);
        judged.Wins = judged.CardResult.Bingo;
        judged.Line = judged.CardResult.Name;
    }
    return judged;
}

void SharePanel::PlayFor(const QString& key, const QString& title)
{
    PrizeTitle = title;
    if (!key.isEmpty()) // no key: the pattern stays as chosen, shown by its name
        ChoosePattern(CboPattern, key);
    // The phones hear the title even where the pattern stayed the same.
    TellPattern();
}

void SharePanel::TellPattern()
{
    if (Server && Game.Tickets)
        Server->SetTicketPattern(ChosenTicketPattern(), PrizeTitle);
    else if (Server)
        Server->SetPattern(ChosenPattern(), PrizeTitle);
}

void SharePanel::Announce(const QString& news)
{
    if (Server)
        Server->Announce(news);
}

NinetyBall::TicketPattern SharePanel::ChosenTicketPattern() const
{
    return static_cast<NinetyBall::TicketPattern>(CboPattern->currentData().toInt());
}

Pattern SharePanel::ChosenPattern() const
{
    return BoxPattern(CboPattern);
}

void SharePanel::ShowQr()
{
    const QImage code = Server ? QrCodeImage(Server->Url().toUtf8()) : QImage();
    if (code.isNull()) {
        LblQr->clear();
        return;
    }
    // Whole pixels a module, as large as the panel allows, for the back of the room.
    const int room = std::max(1, std::min(LblQr->width(), LblQr->height()));
    const int scale = std::max(2, room / code.width());
    LblQr->setPixmap(QPixmap::fromImage(code.scaled(code.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    LblQr->setAccessibleName(tr("QR code of %1").arg(Server->Url()));
}

void SharePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ShowQr();
}
