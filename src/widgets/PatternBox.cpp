// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/PatternBox.h"
#include "game/NinetyBall.h"
#include "game/Prizes.h"
#include "settings/OwnPatterns.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {
constexpr int OwnRole = Qt::UserRole + 1; // a host's pattern, as its file holds it
}

void FillPatternBox(QComboBox* box, bool tickets, int side)
{
    {
        const QSignalBlocker quiet(box);
        const QString was = box->currentData().toString();
        box->clear();
        if (tickets) {
            for (const NinetyBall::TicketPattern p : NinetyBall::TicketPatterns)
                box->addItem(NinetyBall::TicketPatternName(p), static_cast<int>(p));
        } else {
            const std::vector<Pattern> own = OwnPatterns::Read();
            for (const Pattern* p : PatternsFor(side, own)) {
                box->addItem(p->AnyWayRound ? QComboBox::tr("%1 (any way round)").arg(p->Name) : p->Name, p->Key);
                if (p->Own)
                    box->setItemData(box->count() - 1, WritePatterns({*p}), OwnRole);
            }
            box->setCurrentIndex(std::max(0, box->findData(was)));
        }
    }
    // The value a screen reader says is the pattern the box shows now (filled quietly, the
    // box tells no one else).
    box->setAccessibleDescription(box->currentText());
}

Pattern BoxPattern(const QComboBox* box)
{
    if (const QByteArray own = box->currentData(OwnRole).toByteArray(); !own.isEmpty()) {
        const PatternFile file = ReadPatterns(own);
        if (!file.Patterns.empty())
            return file.Patterns.front();
    }
    const Pattern* found = FindPattern(box->currentData().toString());
    return found ? *found : ClassicPattern(WinPattern::AnyLine);
}

namespace {

// A box of tickets holds each pattern by its enum's value, a box of cards by its key.
bool HoldsTickets(const QComboBox* box)
{
    return box->count() > 0 && box->itemData(0).typeId() == QMetaType::Int;
}

} // namespace

bool ChoosePattern(QComboBox* box, const QString& key)
{
    const int at = HoldsTickets(box) ? box->findData(static_cast<int>(TicketPrizePattern(key))) : box->findData(key);
    if (at >= 0)
        box->setCurrentIndex(at);
    return at >= 0;
}

QString BoxKey(const QComboBox* box)
{
    return HoldsTickets(box) ? TicketPrizeKey(static_cast<NinetyBall::TicketPattern>(box->currentData().toInt()))
                             : box->currentData().toString();
}
