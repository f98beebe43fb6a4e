// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The caller's prizes: the prize played and its pattern, the host's choice of prizes, the
// winners, and moving on to the next prize.
#include "app/CallerWindow.h"
#include "app/PatternBox.h"
#include "app/PatternPicture.h"
#include "app/PrizesDialog.h"
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
    connect(ChkSkip, &QCheckBox::toggled, this, [this] { ShowState(); });
    connect(Share->CboPattern, &QComboBox::currentIndexChanged, this, [this] {
        if (ChkSkip->isChecked())
            ShowState();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(PrizePicture);
    row->addWidget(LblPrize, 1);
    row->addWidget(ChkSkip);
    return row;
}

const Pattern* CallerWindow::PatternPlayed(std::vector<Pattern>& own, Pattern& chosen) const
{
    if (Playing.Tickets)
        return nullptr;
    own = OwnPatterns::Read();
    if (const Prize* prize = Round.Now())
        return FindPattern(prize->Pattern, own);
    chosen = BoxPattern(Share->CboPattern);
    return &chosen;
}

std::vector<int> CallerWindow::SkippedColumns() const
{
    if (!ChkSkip->isChecked() || !ColumnGame || CardSide(Playing.Options.SizeIndex) != 5)
        return {};
    std::vector<Pattern> own;
    Pattern chosen;
    const Pattern* pattern = PatternPlayed(own, chosen);
    return pattern ? ColumnsUnused(*pattern, 5) : std::vector<int>();
}

QString CallerWindow::SkipText() const
{
    QStringList columns;
    for (const int c : SkippedColumns())
        columns << (c < Letters.size() && !Letters[c].trimmed().isEmpty() ? Letters[c] : QString::number(c + 1));
    return columns.isEmpty() ? QString() : tr("skipping %1: the pattern can't use them").arg(columns.join(QStringLiteral(", ")));
}

int CallerWindow::DrawNext()
{
    const std::vector<int> skipped = SkippedColumns();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (skipped.empty())
        return Session->Call(Random(), now);
    return Session->Call(Random(), now, [&](int index) {
        const int column = (Session->Draw().Words()[index].toInt() - 1) / 15;
        return std::find(skipped.begin(), skipped.end(), column) == skipped.end();
    });
}

void CallerWindow::EditPrizes()
{
    PrizesDialog prizes(this, Asks, Playing.Tickets, CardSide(Playing.Options.SizeIndex), Round.Prizes());
    if (prizes.exec() != QDialog::Accepted)
        return;
    SetPrizes(prizes.Result());
}

void CallerWindow::SetPrizes(std::vector<Prize> prizes)
{
    Round.SetPrizes(std::move(prizes));
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
    const Prize* prize = Round.Now();
    if (!prize) {
        Speaker->Say(bingo);
        return;
    }
    const QString name = PrizeNameOf(prize->Pattern);
    bool movedOn = false;
    if (!Round.Confirm({card, line, Calls() ? Calls()->CalledCount() : 0}, movedOn))
        return; // this card has won this prize already
    QString said = tr("%1 wins %2").arg(bingo, name);
    if (movedOn)
        said = Round.Now() ? tr("%1. Now playing for: %2").arg(said, PrizeNameOf(Round.Now()->Pattern))
                           : tr("%1. Every prize is won").arg(said);
    SavePrizes();
    ShowPrize();
    SayAloud(said);
}

void CallerWindow::NextPrize()
{
    if (!Round.Now())
        return;
    Round.Next();
    SavePrizes();
    ShowPrize();
    SayAloud(Round.Now() ? tr("Now playing for: %1").arg(PrizeNameOf(Round.Now()->Pattern)) : tr("Every prize is won"));
}

void CallerWindow::SavePrizes()
{
    try {
        GameHistory::SavePrizes(Playing, Round);
    } catch (const PlatformError& e) {
        Asks.Error(tr("The prizes could not be saved (%1). The game goes on here.").arg(e.Text()));
    }
}

CallerWindow::PrizeLines CallerWindow::PrizeText() const
{
    const std::vector<Pattern> own = OwnPatterns::Read();
    PrizeLines lines;
    if (const Prize* prize = Round.Now())
        lines.Playing = tr("Prize %1 of %2: %3").arg(Round.Current() + 1).arg(Round.Prizes().size()).arg(PrizeName(prize->Pattern, Playing.Tickets, own));
    else if (Round.Over())
        lines.Playing = tr("Every prize is won");
    // Who has won so far: "Any line: 17; Four corners: 3, 8".
    QStringList won;
    for (std::size_t i = 0; i < Round.Winners().size(); ++i) {
        QStringList cards;
        for (const PrizeWinner& w : Round.Winners()[i])
            cards << QString::number(w.Card);
        if (!cards.isEmpty())
            won << tr("%1: %2").arg(PrizeName(Round.Prizes()[i].Pattern, Playing.Tickets, own), cards.join(QStringLiteral(", ")));
    }
    if (!won.isEmpty())
        lines.Won = tr("Won: %1").arg(won.join(QStringLiteral("; ")));
    return lines;
}

void CallerWindow::ShowPrize()
{
    const int side = CardSide(Playing.Options.SizeIndex);
    const Prize* prize = Round.Now();
    const PrizeLines lines = PrizeText();
    LblPrize->setText(lines.Won.isEmpty() ? lines.Playing : lines.Playing + u'\n' + lines.Won);
    LblPrize->setVisible(Round.Active());
    std::vector<Pattern> own;
    Pattern chosen;
    PrizePicture->Show(prize ? PatternPlayed(own, chosen) : nullptr, side);
    ChkSkip->setVisible(ColumnGame && side == 5 && !Playing.Tickets);
    BtnNextPrize->setEnabled(prize != nullptr);
    BtnNextPrize->setVisible(Round.Active());
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
