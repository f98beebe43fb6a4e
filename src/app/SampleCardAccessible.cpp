// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "app/SampleCardAccessible.h"
#include "app/CallerBoard.h"
#include "app/CallerWindow.h"
#include "app/CardGridView.h"
#include "app/PaintBox.h"
#include "app/PaintedGridsAccessible.h"
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
    // The caller is a window of its own, not a panel of the main one.
    if (auto* caller = dynamic_cast<CallerWindow*>(object))
        return new QAccessibleWidget(caller, QAccessible::Window);
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

