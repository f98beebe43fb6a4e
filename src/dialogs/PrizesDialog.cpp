// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/PrizesDialog.h"
#include "widgets/PatternBox.h"
#include "dialogs/PatternEditorDialog.h"
#include "widgets/PatternPicture.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpokenValue.h"
#include "settings/OwnPatterns.h"
#include "platform/ui/ScreenFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int KeyRole = Qt::UserRole;
constexpr int WinnersRole = Qt::UserRole + 1;
}

PrizesDialog::PrizesDialog(QWidget* owner, Prompts& asks, bool tickets, int side, const std::vector<Prize>& prizes)
    : QDialog(owner), Asks(asks), Tickets(tickets), Side(side)
{
    setWindowTitle(tr("Prizes"));
    LstPrizes = new QListWidget(this);
    LstPrizes->setAccessibleName(tr("Prizes in turn"));
    CboPattern = new QComboBox(this);
    FillPatternBox(CboPattern, tickets, side);
    SpeakValue(CboPattern);
    Picture = new PatternPicture(this, 12);
    SpnWinners = new QSpinBox(this);
    SpnWinners->setRange(0, 99);
    SpnWinners->setValue(1);
    SpnWinners->setSpecialValueText(tr("Any number, until you move on"));
    BtnAdd = new QPushButton(tr("&Add"), this);
    BtnRemove = new QPushButton(tr("&Remove"), this);
    BtnUp = new QPushButton(tr("Move &Up"), this);
    BtnDown = new QPushButton(tr("Move &Down"), this);
    BtnUsual = new QPushButton(tickets ? tr("One Line, Two Lines, &Full House") : tr("Any Line, Four Corners, &Full Card"), this);
    BtnDraw = new QPushButton(tr("Dra&w a Pattern..."), this);
    BtnDraw->setVisible(!tickets);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* note = new QLabel(tr("The game is played for each prize in turn; a confirmed claim wins the prize being played. "
                               "With no prizes, the game is played for the pattern chosen beside the claims."),
                            this);
    note->setWordWrap(true);

    auto* listLabel = new QLabel(tr("&Prizes:"), this);
    listLabel->setBuddy(LstPrizes);
    auto* pattern = new QHBoxLayout;
    pattern->addWidget(CboPattern, 1);
    pattern->addWidget(Picture);
    auto* form = new QFormLayout;
    auto* patternLabel = new QLabel(tr("Pa&ttern:"), this);
    patternLabel->setBuddy(CboPattern);
    form->addRow(patternLabel, pattern);
    form->addRow(tr("Cards that may w&in it:"), SpnWinners);
    auto* side1 = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{BtnAdd, BtnRemove, BtnUp, BtnDown, BtnUsual, BtnDraw})
        side1->addWidget(w);
    side1->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(LstPrizes, 1);
    middle->addLayout(side1);
    auto* layout = new QVBoxLayout(this);
    ScreenFit::Install(this);
    layout->addWidget(note);
    layout->addWidget(listLabel);
    layout->addLayout(middle, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);

    for (const Prize& prize : prizes)
        AddItem(prize, LstPrizes->count());
    LstPrizes->setCurrentRow(0);
    const auto showPicture = [this] {
        const Pattern p = BoxPattern(CboPattern);
        Picture->Show(Tickets ? nullptr : &p, Side);
    };
    showPicture();
    connect(CboPattern, &QComboBox::currentIndexChanged, this, showPicture);
    connect(BtnAdd, &QPushButton::clicked, this, [this] {
        AddItem({BoxKey(CboPattern), SpnWinners->value()}, LstPrizes->currentRow() + 1);
        LstPrizes->setCurrentRow(LstPrizes->currentRow() + 1);
        ShowButtons();
    });
    connect(BtnRemove, &QPushButton::clicked, this, [this] {
        delete LstPrizes->currentItem();
        ShowButtons();
    });
    connect(BtnUp, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(BtnDown, &QPushButton::clicked, this, [this] { Move(1); });
    connect(BtnUsual, &QPushButton::clicked, this, [this] {
        LstPrizes->clear();
        for (const Prize& prize : PrizeRound::Usual(Tickets))
            AddItem(prize, LstPrizes->count());
        LstPrizes->setCurrentRow(0);
        ShowButtons();
    });
    connect(BtnDraw, &QPushButton::clicked, this, [this] {
        PatternEditorDialog editor(this, Asks, Side);
        editor.exec();
        FillPatternBox(CboPattern, Tickets, Side);
        ChoosePattern(CboPattern, editor.LastSaved());
    });
    connect(LstPrizes, &QListWidget::currentRowChanged, this, [this] { ShowButtons(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowButtons();
    UseWindowColours(this);
}

void PrizesDialog::AddItem(const Prize& prize, int row)
{
    const QString name = PrizeName(prize.Pattern, Tickets, OwnPatterns::Read());
    auto* item = new QListWidgetItem(prize.Winners == 0 ? tr("%1: any number of winners").arg(name)
                                     : prize.Winners == 1 ? tr("%1: one winner").arg(name)
                                                          : tr("%1: %2 winners").arg(name).arg(prize.Winners));
    item->setData(KeyRole, prize.Pattern);
    item->setData(WinnersRole, prize.Winners);
    LstPrizes->insertItem(row, item);
}

void PrizesDialog::Move(int by)
{
    const int row = LstPrizes->currentRow();
    if (row < 0 || row + by < 0 || row + by >= LstPrizes->count())
        return;
    QListWidgetItem* item = LstPrizes->takeItem(row);
    LstPrizes->insertItem(row + by, item);
    LstPrizes->setCurrentRow(row + by);
}

void PrizesDialog::ShowButtons()
{
    const int row = LstPrizes->currentRow();
    BtnRemove->setEnabled(row >= 0);
    BtnUp->setEnabled(row > 0);
    BtnDown->setEnabled(row >= 0 && row + 1 < LstPrizes->count());
}

std::vector<Prize> PrizesDialog::Result() const
{
    std::vector<Prize> prizes;
    for (int row = 0; row < LstPrizes->count(); ++row)
        prizes.push_back({LstPrizes->item(row)->data(KeyRole).toString(), LstPrizes->item(row)->data(WinnersRole).toInt()});
    return prizes;
}
