// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/ExportDialog.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpokenValue.h"
#include "game/NinetyBall.h"
#include "game/NumberedGame.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"
#include "settings/DialogFolders.h"
#include "words/CountText.h"
#include "platform/ui/ScreenFit.h"

#include <QDir>
#include <QFileInfo>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

ExportDialog::ExportDialog(QWidget* owner, Prompts& asks, const QString& folder, int cards,
                           const QList<GameRecord>* games, bool tickets)
    : QDialog(owner), Asks(asks)
{
    setWindowTitle(tickets ? tr("Export Tickets") : tr("Export Cards"));
    TxtFolder = new QLineEdit(folder, this);
    BtnBrowse = new QPushButton(tr("&Browse..."), this);
    CboFormat = new QComboBox(this);
    CboFormat->addItems({tr("PNG pictures, 300 dpi"), tr("PDF files"), tr("Web pages (.html), to mark on a screen")});
    SpeakValue(CboFormat);
    EdtCards = new QSpinBox(this);
    EdtCards->setRange(1, tickets ? NinetyBall::MaxStrips : 99999);
    EdtCards->setValue(cards);
    auto* row = new QHBoxLayout;
    row->addWidget(TxtFolder, 1);
    row->addWidget(BtnBrowse);
    auto* form = new QFormLayout;
    auto* folderLabel = new QLabel(tr("&Folder:"), this);
    folderLabel->setBuddy(TxtFolder); // a row of two controls: the label needs its buddy named
    form->addRow(folderLabel, row);
    form->addRow(tr("F&ormat:"), CboFormat);
    form->addRow(tickets ? tr("&Strips:") : tr("&Cards:"), EdtCards);
    Games = games;
    if (games) {
        CboGame = new QComboBox(this);
        CboGame->addItem(tr("A new game"));
        for (const GameRecord& game : *games)
            CboGame->addItem(tr("Game %1 (%2 so far)").arg(game.Code, tickets ? StripCountText(game.Cards) : CardCountText(game.Cards)),
                             game.Code);
        EdtFirst = new QSpinBox(this);
        EdtFirst->setRange(1, MaxCardNumber);
        EdtFirst->setEnabled(false);
        SpeakValue(CboGame); // a screen reader says which game
        form->addRow(tr("&Game:"), CboGame);
        form->addRow(tickets ? tr("F&irst strip:") : tr("F&irst card:"), EdtFirst);
        // A game printed before goes on after its last card; a new one starts at 1.
        connect(CboGame, &QComboBox::currentIndexChanged, this, [this, games](int index) {
            EdtFirst->setEnabled(index > 0);
            EdtFirst->setValue(index > 0 ? std::min(MaxCardNumber, games->at(index - 1).Cards + 1) : 1);
        });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    ScreenFit::Install(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(BtnBrowse, &QPushButton::clicked, this, [this] {
        if (const auto chosen = Asks.FolderName(tr("Export Cards To"), TxtFolder->text()))
            TxtFolder->setText(*chosen);
    });
    resize(std::max(460, minimumSizeHint().width()), sizeHint().height()); // wider only where a large font needs it
    setFixedSize(size()); // a small fixed form, like the program's other dialogs
    UseWindowColours(this);
}

std::optional<GameRecord> ExportDialog::ChosenGame() const
{
    if (!CboGame || CboGame->currentIndex() < 1)
        return std::nullopt;
    return Games->at(CboGame->currentIndex() - 1);
}

void ExportDialog::OfferGame(const QString& code)
{
    if (!CboGame || code.isEmpty())
        return;
    if (const int at = CboGame->findData(code); at > 0)
        CboGame->setCurrentIndex(at);
}

QString ExportDialog::GameCode() const
{
    return CboGame ? CboGame->currentData().toString() : QString();
}

int ExportDialog::First() const
{
    return GameCode().isEmpty() ? 1 : EdtFirst->value();
}

bool ExportDialog::MakeFolderReady()
{
    const QString folder = Folder().trimmed();
    const QFileInfo info(folder);
    if (folder.isEmpty()) {
        Asks.Information(tr("Please choose the folder the cards go to."));
        return false;
    }
    if (info.isDir())
        return true;
    if (info.exists()) {
        Asks.Error(PlatformError(tr("This is a file, not a folder"), folder).Text());
        return false;
    }
    if (!Asks.Question(tr("The folder %1 does not exist. Create it?").arg(folder), true))
        return false;
    if (!QDir().mkpath(folder)) {
        Asks.Error(PlatformError(tr("The folder could not be created"), folder).Text());
        return false;
    }
    return true;
}

void ExportDialog::accept()
{
    // What was typed stays until the folder is ready; the folder is remembered for next time.
    if (!MakeFolderReady()) {
        TxtFolder->setFocus();
        return;
    }
    DialogFolders::RememberExport(Folder().trimmed());
    QDialog::accept();
}

QString ExportDialog::Folder() const
{
    return TxtFolder->text().trimmed();
}

ExportFormat ExportDialog::Format() const
{
    constexpr ExportFormat Formats[] = {ExportFormat::Png, ExportFormat::Pdf, ExportFormat::Html};
    return Formats[std::clamp(CboFormat->currentIndex(), 0, 2)];
}

int ExportDialog::Cards() const
{
    return EdtCards->value();
}
