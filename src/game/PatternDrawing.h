// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <vector>

// A pattern being drawn on a square grid with the keyboard: a cursor on one cell that the
// arrows move (stopping at the edges; Home and End go to a row's ends, Ctrl+Home and Ctrl+End
// to the grid's corners), and each cell covered or left out by Space or a click. Whether the
// drawing changed since it was last shown or saved is kept, so closing can ask.
class PatternDrawing {
public:
    enum class Step { Up, Down, Left, Right, RowStart, RowEnd, First, Last };

    // A new drawing of `side` (3, 5 or 7), its cells as given (none covered where their number
    // is not side x side), the cursor in the middle, unchanged.
    void Start(int side, const std::vector<bool>& cells = {});

    int Side() const { return Size; }
    const std::vector<bool>& Cells() const { return Covered; }
    bool Covers(int row, int column) const;
    int Row() const { return AtRow; }
    int Column() const { return AtColumn; }

    // True where the cursor moved.
    bool Move(Step step);
    // The cursor put on a cell (a click); false outside the grid.
    bool Put(int row, int column);
    // The cell under the cursor covered or left out; its state now.
    bool Toggle();

    bool Changed() const { return Dirty; }
    void MarkChanged() { Dirty = true; } // the name or "any way round" changed
    void MarkSaved() { Dirty = false; }

private:
    int Size = 0;
    std::vector<bool> Covered;
    int AtRow = 0;
    int AtColumn = 0;
    bool Dirty = false;
};
