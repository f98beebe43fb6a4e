// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "app/CallerBoard.h"
#include "app/CardGridView.h"
#include "app/GridAccessible.h"

// The caller's board as a table: a cell per word with its text and whether it is called.
class CallerBoardAccessible final : public GridAccessible {
public:
    explicit CallerBoardAccessible(CallerBoard* board) : GridAccessible(board) {}
    int rowCount() const override { return Board()->Rows(); }
    int columnCount() const override { return Board()->Columns(); }
    QString CellText(int row, int column) const override { return Board()->CellText(row, column); }

private:
    CallerBoard* Board() const { return static_cast<CallerBoard*>(widget()); }
};

// The checked card as a table: each cell's word, whether it is called, and the winning line.
class CardGridAccessible final : public GridAccessible {
public:
    explicit CardGridAccessible(CardGridView* card) : GridAccessible(card) {}
    int rowCount() const override { return Card()->Rows(); }
    int columnCount() const override { return Card()->Columns(); }
    QString CellText(int row, int column) const override { return Card()->CellText(row, column); }

private:
    CardGridView* Card() const { return static_cast<CardGridView*>(widget()); }
};
