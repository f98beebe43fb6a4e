// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/Prizes.h"

#include <QDialog>

class PatternPicture;
class Prompts;
class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

// The caller's Prizes: the prizes a game is played for, in turn, each a pattern and how many
// cards may win it. An empty list plays the game as without prizes. The host may draw a
// pattern of their own from here.
class PrizesDialog final : public QDialog {
    Q_OBJECT

public:
    PrizesDialog(QWidget* owner, Prompts& asks, bool tickets, int side, const std::vector<Prize>& prizes);
    std::vector<Prize> Result() const;

    QListWidget* LstPrizes = nullptr;
    QComboBox* CboPattern = nullptr;
    QSpinBox* SpnWinners = nullptr;
    PatternPicture* Picture = nullptr;
    QPushButton* BtnAdd = nullptr;
    QPushButton* BtnRemove = nullptr;
    QPushButton* BtnUp = nullptr;
    QPushButton* BtnDown = nullptr;
    QPushButton* BtnUsual = nullptr;
    QPushButton* BtnDraw = nullptr; // the host's own patterns

private:
    void AddItem(const Prize& prize, int row);
    void Move(int by);
    void ShowButtons();

    Prompts& Asks;
    bool Tickets;
    int Side;
};
