// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/TicketGridView.h"
#include "widgets/GridAccessible.h"
#include "widgets/CardGridView.h"
#include "widgets/SampleCardAccessible.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>

constexpr int TicketRows = NinetyBall::Rows;
constexpr int TicketColumns = NinetyBall::Columns;

TicketGridView::TicketGridView(QWidget* parent) : QWidget(parent)
{
    SampleCardAccessible::Install();
    setAccessibleName(tr("Checked ticket"));
    setMinimumSize(270, 90);
}

void TicketGridView::Show(const NinetyBall::Ticket& ticket, const std::vector<bool>& called, const std::vector<int>& winning)
{
    Ticket = ticket;
    Called = called;
    Winning = winning;
    HasTicket = true;
    update();
    AnnounceGridChanged(this);
}

void TicketGridView::Clear()
{
    HasTicket = false;
    update();
    AnnounceGridChanged(this);
}

int TicketGridView::Rows() const
{
    return HasTicket ? NinetyBall::Rows : 0;
}

int TicketGridView::Columns() const
{
    return HasTicket ? NinetyBall::Columns : 0;
}

bool TicketGridView::IsCalled(int number) const
{
    return number > 0 && number < static_cast<int>(Called.size()) && Called[static_cast<size_t>(number)];
}

QString TicketGridView::CellText(int row, int column) const
{
    if (!HasTicket || row < 0 || column < 0 || row >= NinetyBall::Rows || column >= NinetyBall::Columns)
        return {};
    const int n = Ticket.Cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    if (n == 0)
        return tr("blank");
    QString text = QString::number(n) + (IsCalled(n) ? tr(", called") : tr(", not called"));
    if (std::find(Winning.begin(), Winning.end(), row) != Winning.end())
        text += tr(", in a winning row");
    return text;
}

void TicketGridView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!HasTicket)
        return;
    // Cells a little wider than tall, as on paper.
    const int cellHeight = std::max(1, std::min((height() - 1) / TicketRows, (width() - 1) * 5 / (TicketColumns * 8)));
    const int cellWidth = std::min((width() - 1) / TicketColumns, cellHeight * 8 / 5);
    const int left = (width() - cellWidth * TicketColumns) / 2;
    const int top = (height() - cellHeight * TicketRows) / 2;
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, std::min(cellHeight / 2, cellWidth / 3)));
    p.setFont(font);
    for (int r = 0; r < TicketRows; ++r)
        for (int c = 0; c < TicketColumns; ++c) {
            const QRect box(left + c * cellWidth, top + r * cellHeight, cellWidth, cellHeight);
            const int n = Ticket.Cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (n == 0) {
                p.fillRect(box, QColor(0xDD, 0xDD, 0xDD));
                continue;
            }
            if (IsCalled(n)) {
                p.setBrush(CardGridView::MarkColour());
                p.setPen(Qt::NoPen);
                const int inset = std::min(cellWidth, cellHeight) / 10;
                p.drawEllipse(box.adjusted(inset, inset, -inset, -inset));
            }
            p.setPen(Qt::black);
            p.setBrush(Qt::NoBrush);
            p.drawText(box, Qt::AlignCenter, QString::number(n));
        }
    p.setPen(Qt::black);
    for (int r = 0; r <= TicketRows; ++r)
        p.drawLine(left, top + r * cellHeight, left + TicketColumns * cellWidth, top + r * cellHeight);
    for (int c = 0; c <= TicketColumns; ++c)
        p.drawLine(left + c * cellWidth, top, left + c * cellWidth, top + TicketRows * cellHeight);
    p.setPen(QPen(QColor(0, 110, 0), std::max(3, cellHeight / 12)));
    for (const int r : Winning)
        p.drawRect(QRect(left, top + r * cellHeight, TicketColumns * cellWidth, cellHeight).adjusted(2, 2, -2, -2));
}
