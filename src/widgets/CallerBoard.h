// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QStringList>
#include <QWidget>
#include <vector>

class CallerDraw;

// The caller's board: every word of the game with the called ones marked and the latest
// call picked out, in list order; the numbers 1 to 75 in five rows by column group, as a
// flashboard; the numbers 1 to 90 of a ticket game in nine columns (1-9, 10-19, ..., 80-90).
// A word that stands twice in the list has one cell. Each cell's text is
// wrapped and shrunk until it fits whole. Draws whatever draw it is given; changes nothing.
class CallerBoard final : public QWidget {
public:
    explicit CallerBoard(QWidget* parent);
    void Show(const CallerDraw* draw, const QStringList& letters, bool tickets = false);

    // The board as laid out: its rows and columns, and what a cell says to a screen reader
    // ("B 12, called", "Apple, not called"; "" for a cell with no word).
    int Rows() const;
    int Columns() const;
    QString CellText(int row, int column) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The word index in a cell (-1: none), and the heading letter column of a flashboard.
    int WordAt(int row, int column) const;
    bool Flashboard() const;
    bool TicketBoard() const;
    std::vector<int> Shown; // the entries with a cell of their own, in list order
    const CallerDraw* Draw = nullptr;
    QStringList Letters; // the heading's letters on a flashboard
    bool Tickets = false;
};
