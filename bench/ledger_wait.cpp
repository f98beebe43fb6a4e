// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// How long a dealer waits for a game's ledger while others deal from it: N dealers in
// processes of their own each take CARDS cards one at a time, as the phones' server deals,
// and each says the longest and the 99th-percentile wait of one take. Run it beside busy
// cores to see the lock under load.
//   ledger_wait N CARDS            prints one line: dealers, takes, worst wait, 99th percentile
//   ledger_wait --dealer CARDS     one dealer (started by the above)
#include "Measure.h"
#include "records/GameHistory.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const GameRecord Game{QStringLiteral("BCDF-GHJK"), QStringLiteral("/bench/numbers.pwk"), CardOptions{}, 0, false, {}};

int Deal(int cards)
{
    std::vector<qint64> waits;
    for (int i = 0; i < cards; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (GameHistory::Take(Game, 1).First < 1)
            return 1;
        waits.push_back(std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("%lld %.0f\n", static_cast<long long>(Percentile(waits, 1.0)), Percentile(waits, 0.99));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--dealer"))
        return Deal(args[2].toInt());
    if (args.size() != 3)
        return 2;
    const int dealers = args[1].toInt();
    const int cards = args[2].toInt();
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    std::vector<std::unique_ptr<QProcess>> running;
    const auto began = std::chrono::steady_clock::now();
    for (int i = 0; i < dealers; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->start(app.applicationFilePath(), {QStringLiteral("--dealer"), QString::number(cards)});
        running.push_back(std::move(p));
    }
    qint64 worst = 0;
    double p99 = 0;
    for (auto& p : running) {
        if (!p->waitForFinished(-1) || p->exitCode() != 0) {
            std::fprintf(stderr, "a dealer failed: %s\n", p->readAllStandardError().constData());
            return 1;
        }
        const QList<QByteArray> figures = p->readAllStandardOutput().trimmed().split(' ');
        worst = std::max(worst, figures.value(0).toLongLong());
        p99 = std::max(p99, figures.value(1).toDouble());
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("%d dealers, %d takes each, in %.2f s: longest wait %.1f ms, 99th percentile %.1f ms\n", dealers, cards,
                seconds, static_cast<double>(worst) / 1000.0, p99 / 1000.0);
    return 0;
}
