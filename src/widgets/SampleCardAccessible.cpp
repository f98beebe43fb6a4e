// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/SampleCardAccessible.h"
#include "widgets/CallerBoard.h"
#include "widgets/CardGridView.h"
#include "widgets/PaintBox.h"
#include "widgets/PaintedGridsAccessible.h"
#include <QCoreApplication>

namespace {

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (auto* box = dynamic_cast<PaintBox*>(object))
        return new SampleCardAccessible(box);
    if (auto* board = dynamic_cast<CallerBoard*>(object))
        return new PaintedGridAccessible<CallerBoard>(board);
    if (auto* card = dynamic_cast<CardGridView*>(object))
        return new PaintedGridAccessible<CardGridView>(card);
    if (auto* ticket = dynamic_cast<TicketGridView*>(object))
        return new PaintedGridAccessible<TicketGridView>(ticket);
    return nullptr;
}

} // namespace

SampleCardAccessible::SampleCardAccessible(PaintBox* box) : GridAccessible(box) {}

void SampleCardAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

PaintBox* SampleCardAccessible::Box() const
{
    return static_cast<PaintBox*>(widget());
}

int SampleCardAccessible::rowCount() const
{
    const CardView& card = Box()->Card();
    return card.Texts.isEmpty() ? 0 : card.Side + (card.Heading.isEmpty() ? 0 : 1);
}

int SampleCardAccessible::columnCount() const
{
    return Box()->Card().Texts.isEmpty() ? 0 : Box()->Card().Side;
}

QString SampleCardAccessible::CellText(int row, int column) const
{
    return Box()->Card().ReadAt(row, column);
}

QString SampleCardAccessible::columnDescription(int column) const
{
    const CardView& card = Box()->Card();
    return column < card.Heading.size() ? card.Heading[column] : QCoreApplication::translate("SampleCardAccessible", "Column %1").arg(column + 1);
}

QString SampleCardAccessible::rowDescription(int row) const
{
    const bool heading = !Box()->Card().Heading.isEmpty();
    return heading && row == 0 ? QCoreApplication::translate("SampleCardAccessible", "Heading") : QCoreApplication::translate("SampleCardAccessible", "Row %1").arg(row + (heading ? 0 : 1));
}

