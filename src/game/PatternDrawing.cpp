// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/PatternDrawing.h"

#include <algorithm>

void PatternDrawing::Start(int side, const std::vector<bool>& cells)
{
    Size = std::max(1, side);
    const auto count = static_cast<std::size_t>(Size * Size);
    Covered = cells.size() == count ? cells : std::vector<bool>(count, false);
    AtRow = AtColumn = Size / 2;
    Dirty = false;
}

bool PatternDrawing::Covers(int row, int column) const
{
    if (row < 0 || column < 0 || row >= Size || column >= Size)
        return false;
    return Covered[static_cast<std::size_t>(row * Size + column)];
}

bool PatternDrawing::Move(Step step)
{
    const int last = Size - 1;
    int row = AtRow, column = AtColumn;
    switch (step) {
    case Step::Up: row = std::max(0, row - 1); break;
    case Step::Down: row = std::min(last, row + 1); break;
    case Step::Left: column = std::max(0, column - 1); break;
    case Step::Right: column = std::min(last, column + 1); break;
    case Step::RowStart: column = 0; break;
    case Step::RowEnd: column = last; break;
    case Step::First: row = column = 0; break;
    case Step::Last: row = column = last; break;
    }
    const bool moved = row != AtRow || column != AtColumn;
    AtRow = row;
    AtColumn = column;
    return moved;
}

bool PatternDrawing::Put(int row, int column)
{
    if (row < 0 || column < 0 || row >= Size || column >= Size)
        return false;
    AtRow = row;
    AtColumn = column;
    return true;
}

bool PatternDrawing::Toggle()
{
    auto cell = Covered.begin() + AtRow * Size + AtColumn;
    *cell = !*cell;
    Dirty = true;
    return *cell;
}
