// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/Patterns.h"
#include "records/GameHistory.h"

#include <QDialog>
#include <functional>

class Announcer;
class PatternPicture;
class CardGridView;
class TicketGridView;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class Prompts;

// Game > Check a Card: a game code (typed or picked from the recent games) and a card
// number; shows that card exactly as printed with the words called so far marked, and the
// verdict for the chosen pattern. The called words are those the caller saved for the game.
// A game of 90-ball tickets turns the dialog to tickets: a ticket number counted through the
// game, the ticket's patterns and the ticket with its called numbers marked.
// A code that is unknown or mistyped, a card beyond the game's count or a list that does
// not match gives a message and changes nothing.
class CheckCardDialog final : public QDialog {
    Q_OBJECT

public:
    CheckCardDialog(QWidget* owner, Prompts& asks, std::function<GameSource()> currentList, const QString& code = {});

    void CheckClick();
    // Checks for the prize played: the pattern of that key (a ticket's "one", "two", "house").
    void PlayFor(const QString& key);
    // Where the caller plays for prizes: Confirm Winner, on a card that wins, tells it.
    void OnWinner(std::function<void(int card, const QString& line)> winner);

    QComboBox* CboCode = nullptr;
    QSpinBox* EdtCard = nullptr;
    QComboBox* CboPattern = nullptr;
    QPushButton* BtnCheck = nullptr;
    QPushButton* BtnWinner = nullptr;
    PatternPicture* Picture = nullptr;
    CardGridView* Grid = nullptr;
    TicketGridView* TicketGrid = nullptr;
    QLabel* LblNumber = nullptr; // "Card number:" or "Ticket number:" 
    QLabel* LblVerdict = nullptr;
    QLabel* LblNote = nullptr; // what can't be confirmed here
    Announcer* Speaker = nullptr; // the verdict, for a screen reader

private:
    void ClearResult();
    // Turns the number, the patterns and the view to cards or to tickets.
    void ShowKind(bool tickets);
    void CheckTicketClick(const QString& typed);
    bool Tickets = false;
    void ShowPicture();
    std::function<void(int, const QString&)> Winner;
    QString WinningLine;
    void ShowVerdict(const QString& text, bool bingo);
    Prompts& Asks;
    std::function<GameSource()> CurrentList;
};
