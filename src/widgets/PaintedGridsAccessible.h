// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "widgets/CallerBoard.h"
#include "widgets/CardGridView.h"
#include "widgets/GridAccessible.h"
#include "widgets/TicketGridView.h"

// A painted grid that tells its rows, columns and what each cell says (the caller's board:
// a word and whether it is called; the checked card: also the winning line) as a table.
template <class Grid>
class PaintedGridAccessible final : public GridAccessible {
public:
    explicit PaintedGridAccessible(Grid* grid) : GridAccessible(grid) {}
    int rowCount() const override { return Painted()->Rows(); }
    int columnCount() const override { return Painted()->Columns(); }
    QString CellText(int row, int column) const override { return Painted()->CellText(row, column); }

private:
    Grid* Painted() const { return static_cast<Grid*>(widget()); }
};
