// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/Patterns.h"

#include <QWidget>

// A pattern drawn small: its grid, the cells it covers filled in the window's text colour. It
// says its pattern's name to a screen reader ("Letter T, any way round").
class PatternPicture final : public QWidget {
    Q_OBJECT

public:
    explicit PatternPicture(QWidget* parent = nullptr, int cellPixels = 9);
    // The pattern on a card of `side`; nothing where it is null or drawn for another side.
    void Show(const Pattern* pattern, int side);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<bool> Cells;
    int Side = 0;
    int CellPixels;
};
