// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/PatternDrawing.h"

#include <QWidget>

// The grid a host draws a pattern on: covered cells filled in the text's colour, the cell the
// keys are on ringed. The arrows move over it and Space covers a cell or leaves it, as
// PatternDrawing says; a click does both. To a screen reader it is one check box that is the
// cell under the cursor ("Row 2, column 3: covered", checked), and each move and change is
// announced, so moving says the cell and whether it is covered, and nothing reads a row at a
// time.
class PatternGrid final : public QWidget {
    Q_OBJECT

public:
    explicit PatternGrid(QWidget* parent = nullptr);

    const PatternDrawing& Drawing() const { return Drawn; }
    PatternDrawing& Drawing() { return Drawn; }
    // A new drawing to show (another pattern, another size).
    void Start(int side, const std::vector<bool>& cells = {});
    // What the cell under the cursor is, as said.
    QString CursorText() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void Toggled(); // a cell covered or left out by the host

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override; // a new font: cells of another size

private:
    int CellPixels() const;
    QRect CellRect(int row, int column) const;
    void Said(bool toggled); // tells a screen reader what changed

    PatternDrawing Drawn;
};
