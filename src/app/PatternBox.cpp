// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "app/PatternBox.h"
#include "game/NinetyBall.h"
#include "game/WinPatterns.h"

#include <QComboBox>
#include <QSignalBlocker>

void FillPatternBox(QComboBox* box, bool tickets)
{
    {
        const QSignalBlocker quiet(box);
        box->clear();
        if (tickets)
            for (const NinetyBall::TicketPattern p : NinetyBall::TicketPatterns)
                box->addItem(NinetyBall::TicketPatternName(p), static_cast<int>(p));
        else
            for (const WinPattern p : {WinPattern::AnyLine, WinPattern::FourCorners, WinPattern::X, WinPattern::FullCard})
                box->addItem(PatternName(p), static_cast<int>(p));
    }
    // The value a screen reader says is the pattern the box shows now (filled quietly, the
    // box tells no one else).
    box->setAccessibleDescription(box->currentText());
}
