// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "widgets/GridAccessible.h"

class PaintBox;

// The sample card as a screen reader's table: a row for the heading (where the card has
// one) and one per row of cells, each with the text it shows. The paint box's accessible
// description stays the summary of the whole card. Installed for every PaintBox, and the
// other painted grids (the caller's board, the checked card), by a factory.
class SampleCardAccessible final : public GridAccessible {
public:
    explicit SampleCardAccessible(PaintBox* box);

    static void Install();

    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    QString CellText(int row, int column) const override;
    PaintBox* Box() const;
};
