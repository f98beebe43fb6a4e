// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/PatternEditorDialog.h"
#include "widgets/PatternGrid.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"
#include "platform/ui/Announcer.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpokenValue.h"
#include "settings/OwnPatterns.h"
#include "platform/ui/ScreenFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PatternEditorDialog::PatternEditorDialog(QWidget* owner, Prompts& asks, int side) : QDialog(owner), Asks(asks)
{
    setWindowTitle(tr("Your Patterns"));
    LstPatterns = new QListWidget(this);
    LstPatterns->setAccessibleName(tr("Your patterns"));
    EdtName = new QLineEdit(this);
    EdtName->setMaxLength(60);
    CboSide = new QComboBox(this);
    for (const int s : {3, 5, 7})
        CboSide->addItem(tr("%1 x %1").arg(s), s);
    SpeakValue(CboSide);
    Grid = new PatternGrid(this);
    ChkAnyWayRound = new QCheckBox(tr("&Any way round (turned or mirrored)"), this);
    BtnNew = new QPushButton(tr("&New"), this);
    BtnSave = new QPushButton(tr("&Save"), this);
    BtnDelete = new QPushButton(tr("&Delete"), this);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* help = new QLabel(tr("Arrow keys move over the cells; Space covers a cell or leaves it."), this);
    help->setWordWrap(true);

    auto* listLabel = new QLabel(tr("&Patterns:"), this);
    listLabel->setBuddy(LstPatterns);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(LstPatterns, 1);
    auto* form = new QFormLayout;
    form->addRow(tr("Na&me:"), EdtName);
    form->addRow(tr("Si&ze:"), CboSide);
    auto* gridLabel = new QLabel(tr("&Cells:"), this);
    gridLabel->setBuddy(Grid);
    // The grid in a row of its own: it takes the height its cells need.
    auto* cells = new QHBoxLayout;
    cells->addWidget(gridLabel, 0, Qt::AlignTop);
    cells->addWidget(Grid);
    cells->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnNew);
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnDelete);
    buttons->addStretch();
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addLayout(cells);
    right->addWidget(ChkAnyWayRound);
    right->addWidget(help);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    ScreenFit::Install(this);
    layout->addLayout(top, 1);
    layout->addWidget(close);

    QStringList problems;
    Own = OwnPatterns::Read(&problems);
    FillList();
    SetSide(side == 3 || side == 7 ? side : 5, {});
    connect(CboSide, &QComboBox::activated, this, [this] { SetSide(CboSide->currentData().toInt(), {}); });
    // What the host changes is a drawing to be saved.
    connect(EdtName, &QLineEdit::textEdited, this, [this] { Grid->Drawing().MarkChanged(); });
    connect(ChkAnyWayRound, &QCheckBox::clicked, this, [this] { Grid->Drawing().MarkChanged(); });
    connect(LstPatterns, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(Own.size()))
            ShowPattern(Own[static_cast<std::size_t>(row)]);
        BtnDelete->setEnabled(row >= 0);
    });
    connect(BtnNew, &QPushButton::clicked, this, [this] {
        LstPatterns->setCurrentRow(-1);
        EdtName->clear();
        ChkAnyWayRound->setChecked(false);
        SetSide(CboSide->currentData().toInt(), {});
        EdtName->setFocus();
    });
    connect(BtnSave, &QPushButton::clicked, this, [this] { SaveClick(); });
    connect(BtnDelete, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    BtnDelete->setEnabled(false);
    UseWindowColours(this);
    if (!problems.isEmpty())
        Asks.Error(problems.join(u'\n'));
}

void PatternEditorDialog::FillList()
{
    LstPatterns->clear();
    for (const Pattern& p : Own)
        LstPatterns->addItem(tr("%1 (%2 x %2)").arg(p.Name).arg(p.Side));
}

void PatternEditorDialog::SetSide(int side, const std::vector<bool>& cells)
{
    CboSide->setCurrentIndex(std::max(0, CboSide->findData(side)));
    Grid->Start(side, cells);
}

void PatternEditorDialog::ShowPattern(const Pattern& pattern)
{
    EdtName->setText(pattern.Name);
    ChkAnyWayRound->setChecked(pattern.AnyWayRound);
    SetSide(pattern.Side, pattern.Cells);
}

Pattern PatternEditorDialog::Drawn() const
{
    Pattern p;
    p.Own = true;
    p.Name = p.Key = EdtName->text().trimmed();
    p.Side = Grid->Drawing().Side();
    p.AnyWayRound = ChkAnyWayRound->isChecked();
    p.Cells = Grid->Drawing().Cells();
    return p;
}

bool PatternEditorDialog::SaveClick()
{
    const Pattern p = Drawn();
    QString problem = PatternProblem(p);
    if (problem.isEmpty() && p.Name.contains(u'\n'))
        problem = tr("The name takes one line.");
    if (problem.isEmpty() && LibraryHasName(p.Name))
        problem = tr("\"%1\" is the name of a pattern that comes with Plumwick; choose another name.").arg(p.Name);
    if (!problem.isEmpty()) {
        Asks.Error(problem);
        return false;
    }
    std::vector<Pattern> patterns = Own;
    const auto same = std::find_if(patterns.begin(), patterns.end(), [&](const Pattern& q) { return q.Key.compare(p.Key, Qt::CaseInsensitive) == 0; });
    if (same != patterns.end())
        *same = p;
    else
        patterns.push_back(p);
    try {
        OwnPatterns::Write(patterns);
    } catch (const PlatformError& e) {
        Asks.Error(tr("The pattern could not be saved: %1").arg(e.Text()));
        return false;
    }
    Own = std::move(patterns);
    Saved = p.Key;
    {
        // The list shows the pattern saved without drawing it again: the focus and what a
        // screen reader reads stay where the host is; the saving is said.
        const QSignalBlocker quiet(LstPatterns);
        FillList();
        LstPatterns->setCurrentRow(static_cast<int>(std::distance(Own.cbegin(), std::find(Own.cbegin(), Own.cend(), p))));
    }
    BtnDelete->setEnabled(true);
    Grid->Drawing().MarkSaved();
    Announcer::Of(this)->Say(tr("The pattern \"%1\" is saved").arg(p.Name));
    return true;
}

void PatternEditorDialog::DeleteClick()
{
    const int row = LstPatterns->currentRow();
    if (row < 0 || row >= static_cast<int>(Own.size()))
        return;
    if (!Asks.Question(tr("Delete the pattern \"%1\"?").arg(Own[static_cast<std::size_t>(row)].Name), false))
        return;
    std::vector<Pattern> patterns = Own;
    patterns.erase(patterns.begin() + row);
    try {
        OwnPatterns::Write(patterns);
    } catch (const PlatformError& e) {
        Asks.Error(tr("The pattern could not be deleted: %1").arg(e.Text()));
        return;
    }
    Own = std::move(patterns);
    FillList();
}

void PatternEditorDialog::reject()
{
    if (Grid->Drawing().Changed()) {
        switch (Asks.QuestionOrCancel(tr("Save the pattern you drew before closing?"))) {
        case Prompts::Answer::Yes:
            if (!SaveClick())
                return;
            break;
        case Prompts::Answer::No: break;
        case Prompts::Answer::Cancel: return;
        }
    }
    QDialog::reject();
}
