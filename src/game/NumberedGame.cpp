// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/NumberedGame.h"
#include "words/CountText.h"
#include "card/RandomSource.h"
#include "game/GameClock.h"
#include "platform/Clock.h"

#include <QHash>
#include <QCoreApplication>
#include <algorithm>
#include <unordered_set>

NumberedGame::NumberedGame(const QStringList& words, const CardOptions& options, std::uint32_t seed)
    : Words(words), Options(options), Seed(seed % GameCode::SeedLimit), Arrangement(PlanArrangement(words))
{
    const int side = CardSide(options.SizeIndex);
    Shown = side * side - (options.FreeSpace ? 1 : 0);
    QHash<QString, int> first;
    WordIds.reserve(words.size());
    for (int i = 0; i < words.size(); ++i)
        WordIds.push_back(first.insert(words[i], static_cast<int>(first.value(words[i], i))).value());
}

std::optional<std::uint64_t> NumberedGame::DifferentCards() const
{
    if (std::unordered_set<int>(WordIds.begin(), WordIds.end()).size() != WordIds.size())
        return std::nullopt;
    // Ordered picks without repeats: per column group for the column rule, else of the list.
    auto picks = [](std::uint64_t n, int k, std::uint64_t product) -> std::optional<std::uint64_t> {
        for (int i = 0; i < k; ++i) {
            if (n < static_cast<std::uint64_t>(i) + 1)
                return 0;
            const std::uint64_t factor = n - i;
            if (product > (std::uint64_t(1) << 62) / factor)
                return std::nullopt;
            product *= factor;
        }
        return product;
    };
    const int side = CardSide(Options.SizeIndex);
    if (Arrangement.ColumnRule) {
        // Shown cell k holds the pick made for entry k (k + 1 past the free space), and
        // entry i picks from group i mod 5.
        std::optional<std::uint64_t> total = 1;
        for (int g = 0; g < 5 && total; ++g) {
            int fromGroup = 0;
            for (int k = 0; k < Shown; ++k) {
                const int entry = Options.FreeSpace && k >= side * side / 2 ? k + 1 : k;
                fromGroup += entry % 5 == g ? 1 : 0;
            }
            total = picks(Arrangement.Groups[g].size(), fromGroup, *total);
        }
        return total;
    }
    return picks(static_cast<std::uint64_t>(Words.size()), std::min<int>(Shown, static_cast<int>(Words.size())), 1);
}

void NumberedGame::Arrange(int n, int attempt, std::vector<int>& cells) const
{
    SeededClock clock(GameCardCounter(Seed, n, attempt));
    RandomSource random(clock);
    ArrangeCardIndices(Arrangement, Options.FreeSpace, Options.SizeIndex, random, cells, Shown);
}

std::uint64_t NumberedGame::Fingerprint(const std::vector<int>& cells) const
{
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    const int n = std::min<int>(Shown, static_cast<int>(cells.size()));
    for (int i = 0; i < n; ++i) {
        h ^= static_cast<std::uint64_t>(cells[i] < 0 ? -1 : WordIds[cells[i]]) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
        h *= 0xFF51AFD7ED558CCDull;
    }
    return h ^ (h >> 33);
}

namespace {

QString OnlyDifferentCards(std::uint64_t count)
{
    return QCoreApplication::translate("NumberedGame", "This word list gives only %1.")
        .arg(CountText(static_cast<qsizetype>(count), QCoreApplication::translate("NumberedGame", "different card"), QCoreApplication::translate("NumberedGame", "different cards")));
}

} // namespace

void NumberedGame::Unrank(std::uint64_t rank, std::vector<int>& cells) const
{
    // Ordered picks of the shown cells from the list, rank as mixed-radix digits; the
    // cells no card shows take the rest in list order.
    const int count = static_cast<int>(Words.size());
    std::vector<int> remaining(count);
    for (int i = 0; i < count; ++i)
        remaining[i] = i;
    cells.assign(count, -1);
    const int shown = std::min(Shown, count);
    for (int i = 0; i < shown; ++i) {
        const auto radix = static_cast<std::uint64_t>(count - i);
        cells[i] = remaining[static_cast<size_t>(rank % radix)];
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(rank % radix));
        rank /= radix;
    }
    std::copy(remaining.begin(), remaining.end(), cells.begin() + shown);
}

bool NumberedGame::Plan(int count, QString& error)
{
    const auto different = DifferentCards();
    if (different && *different < static_cast<std::uint64_t>(count)) {
        error = OnlyDifferentCards(*different);
        return false;
    }
    Attempts.clear();
    Attempts.reserve(count);
    Ranks.clear();
    std::unordered_set<std::uint64_t> seen;
    seen.reserve(static_cast<size_t>(count) * 2);
    std::vector<int> cells;
    // Cards are arranged at random until one takes too many tries to be new; from there on,
    // where the cards can be counted, they come from those not yet dealt, in an order drawn
    // from the game's seed, so that every different card can be had.
    std::vector<std::uint64_t> unseen;
    for (int n = 1; n <= count; ++n) {
        if (!Ranks.empty()) {
            Ranks.push_back(unseen[Ranks.size()]);
            Attempts.push_back(FromRank);
            continue;
        }
        int attempt = 0;
        for (; attempt < MaxTries; ++attempt) {
            Arrange(n, attempt, cells);
            if (seen.insert(Fingerprint(cells)).second)
                break;
        }
        if (attempt < MaxTries) {
            Attempts.push_back(static_cast<std::uint16_t>(attempt));
            continue;
        }
        if (!different || Arrangement.ColumnRule || *different > MaxCountedCards) {
            error = OnlyDifferentCards(n - 1);
            return false;
        }
        for (std::uint64_t rank = 0; rank < *different; ++rank) {
            Unrank(rank, cells);
            if (!seen.contains(Fingerprint(cells)))
                unseen.push_back(rank);
        }
        // Fisher-Yates with a generator keyed by the game and the card where this began.
        std::uint64_t state = GameCardCounter(Seed, n, MaxTries);
        auto next = [&state] {
            state += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = state;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            return z ^ (z >> 31);
        };
        for (size_t i = unseen.size(); i > 1; --i)
            std::swap(unseen[i - 1], unseen[next() % i]);
        Ranks.push_back(unseen.front());
        Attempts.push_back(FromRank);
    }
    return true;
}

QStringList NumberedGame::Card(int n) const
{
    std::vector<int> cells;
    const std::uint16_t attempt = Attempts.at(n - 1);
    if (attempt == FromRank) {
        Unrank(Ranks.at(static_cast<size_t>(n) - (Attempts.size() - Ranks.size()) - 1), cells);
    } else {
        SeededClock clock(GameCardCounter(Seed, n, attempt));
        RandomSource random(clock);
        ArrangeCardIndices(Arrangement, Options.FreeSpace, Options.SizeIndex, random, cells, Shown);
    }
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(cells.size()));
    for (int index : cells)
        texts << (index >= 0 ? Words[index] : QString());
    return texts;
}

std::uint32_t NewGameSeed()
{
    SteadyClock clock;
    return static_cast<std::uint32_t>(clock.Counter() % GameCode::SeedLimit);
}
