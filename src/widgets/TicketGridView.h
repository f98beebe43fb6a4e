// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/NinetyBall.h"

#include <QWidget>
#include <vector>

// A 90-ball ticket as printed (blanks shaded) with the called numbers marked and the winning
// rows outlined, for the checker. Paints itself to any size; reads as a table.
class TicketGridView final : public QWidget {
    Q_OBJECT

public:
    explicit TicketGridView(QWidget* parent = nullptr);
    // `called[n]`: number n has been called; `winning`: the rows that win (0-based).
    void Show(const NinetyBall::Ticket& ticket, const std::vector<bool>& called, const std::vector<int>& winning);
    void Clear();
    bool Showing() const { return HasTicket; }
    int Rows() const;
    int Columns() const;
    // "22, called, in a winning row"; "blank" for a blank; "" where no ticket is shown.
    QString CellText(int row, int column) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool IsCalled(int number) const;
    NinetyBall::Ticket Ticket{};
    std::vector<bool> Called;
    std::vector<int> Winning;
    bool HasTicket = false;
};
