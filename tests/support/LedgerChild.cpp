// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A dealer in a process of its own, as the phones' server deals: `ledger_child CODE LIST N`
// takes N cards of the game one at a time from its ledger and writes each card's number.
// `ledger_child --hold LOCKFILE MS TIMES` takes the lock TIMES times and keeps it MS
// milliseconds each time, saying "held" as it first has it: a holder for a waiter to wait on.
#include "platform/FileLock.h"
#include "records/GameHistory.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "--hold") == 0) {
        for (int i = 0, n = std::atoi(argv[4]); i < n; ++i) {
            FileLock lock(QString::fromLocal8Bit(argv[2]));
            if (i == 0) {
                std::puts("held");
                std::fflush(stdout);
            }
            QThread::msleep(static_cast<unsigned long>(std::atoi(argv[3])));
        }
        return 0;
    }
    if (argc != 4)
        return 2;
    const GameRecord game{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), CardOptions{}, 0, false, {}};
    for (int i = 0, n = std::atoi(argv[3]); i < n; ++i)
        std::printf("%d\n", GameHistory::Take(game, 1).First);
    return 0;
}
