// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A dealer in a process of its own, as the phones' server deals: `ledger_child CODE LIST N`
// takes N cards of the game one at a time from its ledger and writes each card's number.
#include "settings/GameHistory.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const GameRecord game{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), CardOptions{}, 0, false, {}};
    for (int i = 0, n = std::atoi(argv[3]); i < n; ++i)
        std::printf("%d\n", GameHistory::Take(game, 1).First);
    return 0;
}
