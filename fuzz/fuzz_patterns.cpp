// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The host's pattern file and a game's saved prizes on any input: no crash, every pattern
// read is usable and is read back the same once written, and a card is judged for each.
#include "game/Patterns.h"
#include "game/Prizes.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PatternFile file = ReadPatterns(bytes);
    for (const Pattern& p : file.Patterns) {
        if (!PatternProblem(p).isEmpty() || p.WaysRound().empty() || p.WaysRound().size() > 8)
            std::abort();
        const std::vector<bool> all(static_cast<std::size_t>(p.Side * p.Side), true);
        if (!CheckFor(all, p.Side, p).Bingo || CheckFor(std::vector<bool>(all.size()), p.Side, p).Bingo)
            std::abort();
        ColumnsUnused(p, p.Side);
    }
    const PatternFile again = ReadPatterns(WritePatterns(file.Patterns));
    if (again.Patterns != file.Patterns || !again.Problems.isEmpty())
        std::abort();
    PrizeRound round = PrizeRound::Load(bytes);
    if (PrizeRound::Load(round.Save()) != round)
        std::abort();
    bool movedOn = false;
    round.Confirm({1, QStringLiteral("row 1"), 1}, movedOn);
    round.Next();
    return 0;
}
