// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/CardExport.h"
#include "records/GameHistory.h"

#include <QDialog>
#include <QList>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Prompts;

// File > Export Cards: where to, in which format (PNG at 300 dpi, or PDF), and how many.
// With numbered cards it also asks whose cards: a new game, or more cards of a game printed
// before (a home player's card then checks against the room's calls). OK checks the folder
// first: one that does not exist is offered to be made, and the dialog stays open with what
// was typed until the folder is there.
class ExportDialog final : public QDialog {
    Q_OBJECT

public:
    // `games`: the games printed before that fit the list, for numbered cards; nullptr when
    // the cards are not numbered.
    // With `tickets`, it counts strips of 90-ball tickets (a file a ticket).
    ExportDialog(QWidget* owner, Prompts& asks, const QString& folder, int cards, const QList<GameRecord>* games = nullptr,
                 bool tickets = false);

    QString Folder() const;
    ExportFormat Format() const;
    int Cards() const;
    // The game the cards belong to: empty for a new one.
    QString GameCode() const;
    // The first card's number (1 for a new game).
    int First() const;
    // The game printed before that the cards go on, as it was when the dialog opened: its
    // list and the count its user saw (nothing for a new game).
    std::optional<GameRecord> ChosenGame() const;
    // Offers this game first (the game in the caller, or the one just printed), where it is
    // among the games; its next card comes first.
    void OfferGame(const QString& code);

    void accept() override;

    QLineEdit* TxtFolder = nullptr;
    QPushButton* BtnBrowse = nullptr;
    QComboBox* CboFormat = nullptr;
    QSpinBox* EdtCards = nullptr;
    QComboBox* CboGame = nullptr;   // only with numbered cards
    QSpinBox* EdtFirst = nullptr;   // only with numbered cards

private:
    bool MakeFolderReady();
    const QList<GameRecord>* Games = nullptr;
    Prompts& Asks;
};
