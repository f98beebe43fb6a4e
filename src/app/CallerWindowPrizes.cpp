// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The caller's prizes: the prize played and its pattern, the host's choice of prizes, the
// winners, and moving on to the next prize.
#include "app/CallerWindow.h"
#include "widgets/PatternBox.h"
#include "widgets/PatternPicture.h"
#include "dialogs/PrizesDialog.h"
#include "app/RoomDisplay.h"
#include "output/GameRecordPdf.h"
#include "app/SharePanel.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"
#include "platform/Speech.h"
#include "platform/ui/Announcer.h"
#include "platform/ui/Guarded.h"
#include "settings/OwnPatterns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QBoxLayout* CallerWindow::BuildPrizes()
{
    LblPrize = new QLabel(this);
    LblPrize->setWordWrap(true);
    LblPrize->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    PrizePicture = new PatternPicture(this, 12);
    BtnPrizes = new QPushButton(tr("Pri&zes..."), this);
    BtnPrizes->setToolTip(tr("Play the game for prizes in turn: one line, then two lines, then a full house, or any patterns."));
    BtnNextPrize = new QPushButton(tr("Ne&xt Prize"), this);
    BtnNextPrize->hide(); // until there are prizes
    LblPrize->hide();
    BtnRecord = new QPushButton(tr("Save t&he Game's Record..."), this);
    BtnRecord->setToolTip(tr("The calls with their times, the prizes' winners with their cards, and the claims: as a PDF or CSV file."));
    connect(BtnRecord, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { SaveRecord(); }); });
    connect(Share, &SharePanel::ClaimCleared, this, [this](int card, const QString& text) {
        if (Session)
            Session->Claimed(card, text, false, QDateTime::currentDateTimeUtc());
        Save();
    });
    connect(BtnPrizes, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { EditPrizes(); }); });
    connect(BtnNextPrize, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { NextPrize(); }); });
    connect(Share, &SharePanel::ClaimConfirmed, this, [this](int card, const QString& line, bool hostsDecision) {
        RunGuarded(Asks, [this, card, line, hostsDecision] { ConfirmWinner(card, line, hostsDecision); });
    });
    ChkSkip = new QCheckBox(tr("S&kip numbers the pattern can't use"), this);
    ChkSkip->setToolTip(tr("Numbers in a column that the pattern leaves empty can't help any card win: they are not called."));
    ChkSkip->hide();
    connect(ChkSkip, &QCheckBox::toggled, this, [this](bool on) {
        if (Session)
            Session->SetSkipping(on);
        ShowState();
    });
    connect(Share->CboPattern, &QComboBox::currentIndexChanged, this, [this] {
        if (Session)
            Session->Choose(BoxPattern(Share->CboPattern));
        if (ChkSkip->isChecked())
            ShowState();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(PrizePicture);
    row->addWidget(LblPrize, 1);
    row->addWidget(ChkSkip);
    return row;
}

const Pattern* CallerWindow::PatternPlayed() const
{
    return Session ? Session->PatternPlayed() : nullptr;
}

const PrizeRound& CallerWindow::Prizes() const
{
    static const PrizeRound none;
    return Session ? Session->Prizes() : none;
}

QString CallerWindow::SkipText() const
{
    QStringList columns;
    for (const int c : Session ? Session->SkippedColumns() : std::vector<int>())
        columns << (c < Letters.size() && !Letters[c].trimmed().isEmpty() ? Letters[c] : QString::number(c + 1));
    return columns.isEmpty() ? QString() : tr("skipping %1: the pattern can't use them").arg(columns.join(QStringLiteral(", ")));
}

void CallerWindow::EditPrizes()
{
    if (!Session)
        return;
    PrizesDialog prizes(this, Asks, Playing.Tickets, CardSide(Playing.Options.SizeIndex), Session->Prizes().Prizes());
    if (prizes.exec() != QDialog::Accepted)
        return;
    SetPrizes(prizes.Result());
}

void CallerWindow::SetPrizes(std::vector<Prize> prizes)
{
    if (!Session)
        return;
    Session->SetPrizes(std::move(prizes));
    SavePrizes();
    ShowPrize();
    Speaker->Say(LblPrize->text());
}

QString CallerWindow::PrizeNameOf(const QString& key) const
{
    return PrizeName(key, Playing.Tickets, OwnPatterns::Read());
}

void CallerWindow::SayAloud(const QString& said)
{
    Speaker->Say(said);
    if (ChkReadAloud->isChecked() && Voice)
        Voice->Say(said);
}

void CallerWindow::ConfirmWinner(int card, const QString& won, bool hostsDecision)
{
    // A win against the rules is the host's, and says so wherever it is shown.
    const QString line = hostsDecision ? tr("the host's decision") : won;
    const QString bingo = hostsDecision ? (Playing.Tickets ? tr("Bingo! Ticket %1, by the host's decision").arg(card)
                                                           : tr("Bingo! Card %1, by the host's decision").arg(card))
                          : Playing.Tickets ? tr("Bingo! Ticket %1").arg(card)
                                            : tr("Bingo! Card %1").arg(card);
    if (Session)
        Session->Claimed(card, line.isEmpty() || hostsDecision ? bingo : tr("%1: %2").arg(bingo, line), true,
                         QDateTime::currentDateTimeUtc(), hostsDecision);
    Save();
    Share->Announce(bingo);
    if (Room)
        Room->ShowNews(bingo);
    const Prize* prize = Prizes().Now();
    if (!prize) {
        Speaker->Say(bingo);
        return;
    }
    const QString name = PrizeNameOf(prize->Pattern);
    bool movedOn = false;
    if (!Session->Won(card, line, movedOn))
        return; // this card has won this prize already
    QString said = tr("%1 wins %2").arg(bingo, name);
    if (movedOn)
        said = Prizes().Now() ? tr("%1. Now playing for: %2").arg(said, PrizeNameOf(Prizes().Now()->Pattern))
                              : tr("%1. Every prize is won").arg(said);
    SavePrizes();
    ShowPrize();
    SayAloud(said);
}

void CallerWindow::NextPrize()
{
    if (!Prizes().Now())
        return;
    Session->NextPrize();
    SavePrizes();
    ShowPrize();
    SayAloud(Prizes().Now() ? tr("Now playing for: %1").arg(PrizeNameOf(Prizes().Now()->Pattern)) : tr("Every prize is won"));
}

void CallerWindow::SavePrizes()
{
    try {
        GameHistory::SavePrizes(Playing, Prizes());
    } catch (const PlatformError& e) {
        Asks.Error(tr("The prizes could not be saved (%1). The game goes on here.").arg(e.Text()));
    }
}

CallerWindow::PrizeLines CallerWindow::PrizeText() const
{
    const std::vector<Pattern> own = OwnPatterns::Read();
    const PrizeRound& round = Prizes();
    PrizeLines lines;
    if (const Prize* prize = round.Now())
        lines.Playing = tr("Prize %1 of %2: %3").arg(round.Current() + 1).arg(round.Prizes().size()).arg(PrizeName(prize->Pattern, Playing.Tickets, own));
    else if (round.Over())
        lines.Playing = tr("Every prize is won");
    // Who has won so far: "Any line: 17; Four corners: 3, 8".
    QStringList won;
    for (std::size_t i = 0; i < round.Winners().size(); ++i) {
        QStringList cards;
        for (const PrizeWinner& w : round.Winners()[i])
            cards << QString::number(w.Card);
        if (!cards.isEmpty())
            won << tr("%1: %2").arg(PrizeName(round.Prizes()[i].Pattern, Playing.Tickets, own), cards.join(QStringLiteral(", ")));
    }
    if (!won.isEmpty())
        lines.Won = tr("Won: %1").arg(won.join(QStringLiteral("; ")));
    return lines;
}

void CallerWindow::ShowPrize()
{
    const int side = CardSide(Playing.Options.SizeIndex);
    if (Session)
        Session->SetOwnPatterns(OwnPatterns::Read()); // drawn anew while the game is played, perhaps
    const Prize* prize = Prizes().Now();
    const PrizeLines lines = PrizeText();
    LblPrize->setText(lines.Won.isEmpty() ? lines.Playing : lines.Playing + u'\n' + lines.Won);
    LblPrize->setVisible(Prizes().Active());
    PrizePicture->Show(prize ? PatternPlayed() : nullptr, side);
    ChkSkip->setVisible(Session && Session->CanSkip());
    BtnNextPrize->setEnabled(prize != nullptr);
    BtnNextPrize->setVisible(Prizes().Active());
    ShowRoom();
    // The phones and the claims list play for the prize too; with none, for the pattern chosen.
    Share->PlayFor(prize ? prize->Pattern : QString(), prize ? lines.Playing : QString());
}

void CallerWindow::SaveRecord()
{
    const QString name = (Playing.Code.isEmpty() ? tr("Game") : Playing.Code) + QStringLiteral(".pdf");
    const auto path = Asks.SaveFileName({tr("Save the Game's Record"), tr("PDF (*.pdf);;CSV (*.csv)"), QStringLiteral(".pdf"), name, {}, true});
    if (!path)
        return;
    Save(); // the record is what is saved
    try {
        WriteRecord(*path, GameHistory::RecordSheet(Playing));
    } catch (const PlatformError& e) {
        Asks.Error(tr("The record could not be saved: %1").arg(e.Text()));
        return;
    }
    Speaker->Say(tr("The record is saved as %1").arg(*path));
}
