// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/CheckCardDialog.h"
#include "platform/ui/Announcer.h"
#include "widgets/CardGridView.h"
#include "platform/ui/Guarded.h"
#include "platform/ui/Panel.h"
#include "widgets/PatternBox.h"
#include "widgets/PatternPicture.h"
#include "platform/ui/SpokenValue.h"
#include "game/CallerDraw.h"
#include "game/CardCheck.h"
#include "game/GameCode.h"
#include "game/NumberedGame.h"
#include "game/TicketCheck.h"
#include "widgets/TicketGridView.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"
#include "platform/ui/ScreenFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The words the caller has called in a game, from its saved calls (none if it has none).
QSet<QString> CalledIn(const GameSource& source)
{
    QSet<QString> called;
    const CallerDraw saved = GameHistory::SavedCalls(source); // kept: the loop reads its calls
    for (int i : saved.Calls())
        called << source.Words[i];
    return called;
}

} // namespace

CheckCardDialog::CheckCardDialog(QWidget* owner, Prompts& asks, std::function<GameSource()> currentList,
                                 const QString& code)
    : QDialog(owner), Asks(asks), CurrentList(std::move(currentList))
{
    setWindowTitle(tr("Check a Card"));
    resize(460, 560);
    CboCode = new QComboBox(this);
    CboCode->setEditable(true);
    CboCode->setInsertPolicy(QComboBox::NoInsert); // a mistyped code never joins the list
    for (const GameRecord& game : GameHistory::Read())
        CboCode->addItem(game.Code);
    CboCode->setEditText(code.isEmpty() && CboCode->count() > 0 ? CboCode->itemText(0) : code);
    EdtCard = new QSpinBox(this);
    EdtCard->setRange(1, MaxCardNumber);
    CboPattern = new QComboBox(this);
    FillPatternBox(CboPattern, false);
    SpeakValue(CboPattern);
    Picture = new PatternPicture(this, 10);
    BtnWinner = new QPushButton(tr("Confirm &Winner"), this);
    BtnWinner->setToolTip(tr("The card wins the prize being played."));
    BtnWinner->hide();
    BtnWinner->setEnabled(false); // until a card checked wins
    BtnCheck = new QPushButton(tr("C&heck"), this);
    BtnCheck->setDefault(true);
    Grid = new CardGridView(this);
    LblVerdict = new QLabel(this);
    QFont big = LblVerdict->font();
    big.setPixelSize(20);
    big.setBold(true);
    LblVerdict->setFont(big);
    LblVerdict->setAlignment(Qt::AlignCenter);
    LblVerdict->setWordWrap(true);
    LblVerdict->setAutoFillBackground(true);
    // A long verdict wraps; it never widens the window.
    LblVerdict->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Speaker = Announcer::Of(this);
    LblNote = new QLabel(this);
    LblNote->setWordWrap(true);
    LblNote->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    TicketGrid = new TicketGridView(this);
    TicketGrid->setVisible(false);
    LblNumber = new QLabel(tr("&Card number:"), this);
    LblNumber->setBuddy(EdtCard);
    auto* form = new QFormLayout;
    form->addRow(tr("&Game code:"), CboCode);
    form->addRow(LblNumber, EdtCard);
    auto* pattern = new QHBoxLayout;
    pattern->addWidget(CboPattern, 1);
    pattern->addWidget(Picture);
    auto* patternLabel = new QLabel(tr("&Pattern:"), this);
    patternLabel->setBuddy(CboPattern);
    form->addRow(patternLabel, pattern);
    auto* layout = new QVBoxLayout(this);
    ScreenFit::Install(this);
    layout->addLayout(form);
    layout->addWidget(BtnCheck, 0, Qt::AlignRight);
    layout->addWidget(Grid, 1);
    layout->addWidget(TicketGrid, 1);
    layout->addWidget(LblVerdict);
    layout->addWidget(LblNote);
    layout->addWidget(BtnWinner, 0, Qt::AlignRight);
    layout->addWidget(close);
    connect(BtnCheck, &QPushButton::clicked, this, [this] { RunGuarded(Asks, [this] { CheckClick(); }); });
    // A card on show always answers what the boxes say: a change takes it away.
    connect(CboCode, &QComboBox::editTextChanged, this, [this](const QString& text) {
        ClearResult();
        ShowKind(IsTicketCode(text));
    });
    ShowKind(IsTicketCode(CboCode->currentText()));
    connect(EdtCard, &QSpinBox::valueChanged, this, &CheckCardDialog::ClearResult);
    connect(CboPattern, &QComboBox::currentIndexChanged, this, &CheckCardDialog::ClearResult);
    connect(CboPattern, &QComboBox::currentIndexChanged, this, &CheckCardDialog::ShowPicture);
    connect(BtnWinner, &QPushButton::clicked, this, [this] {
        BtnWinner->setEnabled(false);
        if (Winner)
            Winner(EdtCard->value(), WinningLine);
    });
    ShowPicture();
    UseWindowColours(this);
}

void CheckCardDialog::ShowKind(bool tickets)
{
    // The verdict and the note label the card on show: a screen reader takes them as part
    // of it, not as loose text of the dialog to read out again beside the spoken verdict.
    QWidget* shown = tickets ? static_cast<QWidget*>(TicketGrid) : Grid;
    LblVerdict->setBuddy(shown);
    LblNote->setBuddy(shown);
    if (tickets == Tickets)
        return;
    Tickets = tickets;
    LblNumber->setText(tickets ? tr("&Ticket number:") : tr("&Card number:"));
    EdtCard->setToolTip(tickets ? tr("Counted through the game: tickets 1 to 6 are strip 1, 7 to 12 strip 2, ...")
                                : QString());
    EdtCard->setRange(1, tickets ? NinetyBall::TicketsPerStrip * (NinetyBall::MaxStrips + 1) : MaxCardNumber);
    FillPatternBox(CboPattern, tickets);
    ShowPicture();
    Grid->setVisible(!tickets);
    TicketGrid->setVisible(tickets);
}

void CheckCardDialog::ClearResult()
{
    TicketGrid->Clear();
    Grid->Clear();
    LblVerdict->clear();
    LblVerdict->setPalette(palette());
    LblNote->clear();
    BtnWinner->setEnabled(false);
    WinningLine.clear();
}

void CheckCardDialog::ShowPicture()
{
    const Pattern pattern = BoxPattern(CboPattern);
    Picture->Show(Tickets ? nullptr : &pattern, pattern.Side == 0 ? 5 : pattern.Side);
}

void CheckCardDialog::OnWinner(std::function<void(int card, const QString& line)> winner)
{
    Winner = std::move(winner);
    BtnWinner->setVisible(static_cast<bool>(Winner));
}

void CheckCardDialog::ShowVerdict(const QString& text, bool bingo)
{
    // Said in words ("Bingo: row 3", "No bingo yet: ..."), and in colour: dark text on a
    // light ground, 6.4:1 and more, whatever the desktop's colours.
    LblVerdict->setText(text);
    QPalette colours = LblVerdict->palette();
    colours.setColor(QPalette::Window, bingo ? QColor(220, 245, 220) : QColor(255, 235, 210));
    colours.setColor(QPalette::WindowText, bingo ? QColor(0, 100, 0) : QColor(140, 40, 0));
    LblVerdict->setPalette(colours);
}

void CheckCardDialog::CheckClick()
{
    ClearResult(); // after an error, no earlier card stays on show
    const QString typed = CboCode->currentText();
    if (Tickets) {
        CheckTicketClick(typed);
        return;
    }
    const auto code = ParseGameCode(typed);
    // The game's own list and options where the history knows it, else the window's.
    GameSource source = CurrentList();
    if (code)
        if (const auto game = GameHistory::Find(code->Text()); game && QFileInfo(game->ListFile).isFile())
            source = GameHistory::LoadGame(*game);
    if (code && source.Code.isEmpty())
        source.Key = code->Text(); // calls are kept by the game's code
    const QSet<QString> called = CalledIn(source);
    const Pattern pattern = BoxPattern(CboPattern);
    const CardCheck check = CheckCard(source.Words, source.Options, typed, EdtCard->value(), source.Cards, called, pattern);
    if (!check.Error.isEmpty()) {
        Asks.Error(check.Error);
        return;
    }
    Grid->SetPictures(ReadShelf(check.Card.Texts, source.PictureFolder.isEmpty() ? QFileInfo(source.ListFile).absolutePath()
                                                                                  : source.PictureFolder));
    Grid->Show(check.Card, check.Card.Marked(called), check.Result.Cells);
    ShowVerdict(check.Result.Text, check.Result.Bingo);
    WinningLine = check.Result.Name;
    BtnWinner->setEnabled(check.Result.Bingo);
    LblNote->setText(check.Note);
    Speaker->Say(check.Note.isEmpty() ? tr("Card %1: %2").arg(EdtCard->value()).arg(check.Result.Text)
                                      : tr("Card %1: %2. %3").arg(EdtCard->value()).arg(check.Result.Text, check.Note));
}

void CheckCardDialog::PlayFor(const QString& key)
{
    ChoosePattern(CboPattern, key);
}

void CheckCardDialog::CheckTicketClick(const QString& typed)
{
    // The numbers the caller has called in this game, from its saved calls.
    const auto record = GameHistory::Find(ParseGameCode(typed)->Text());
    GameRecord game = record.value_or(GameRecord{});
    game.Code = ParseGameCode(typed)->Text();
    game.Tickets = true;
    const QSet<QString> calls = CalledIn(GameHistory::LoadGame(game));
    const std::vector<bool> called = NinetyBall::CalledNumbers(QStringList(calls.cbegin(), calls.cend()));
    const TicketCheck check = CheckGameTicket(typed, 0, EdtCard->value(), record ? record->Cards : 0, called,
                                              static_cast<NinetyBall::TicketPattern>(CboPattern->currentData().toInt()));
    if (!check.Error.isEmpty()) {
        Asks.Error(check.Error);
        return;
    }
    TicketGrid->Show(check.Shown, called, check.Result.Rows);
    ShowVerdict(check.Result.Text, check.Result.Won);
    WinningLine = CboPattern->currentText();
    BtnWinner->setEnabled(check.Result.Won);
    const QString where = tr("Ticket %1 is ticket %2 of strip %3.").arg(EdtCard->value()).arg(check.Ticket).arg(check.Strip);
    LblNote->setText(check.Note.isEmpty() ? where : where + u' ' + check.Note);
    Speaker->Say(tr("Ticket %1: %2. %3").arg(EdtCard->value()).arg(check.Result.Text, LblNote->text()));
}
