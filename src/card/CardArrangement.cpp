// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "card/CardArrangement.h"
#include "card/CardOptions.h"
#include "card/RandomSource.h"
#include "platform/IntegerConversion.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int NumberCount = 75;
constexpr int GroupSpan = 15;

// The words still to be placed, in list order, with "take the j-th remaining one" in
// O(log n): a Fenwick tree over presence flags. Picking from a plain list and removing
// from its middle is quadratic, which shows on lists of a hundred thousand words.
class RemainingWords {
public:
    explicit RemainingWords(int count) : Tree(count + 1, 0), Count(count)
    {
        for (int i = 1; i <= count; ++i) {
            Tree[i] += 1;
            const int parent = i + (i & -i);
            if (parent <= count)
                Tree[parent] += Tree[i];
        }
        Top = 1;
        while (Top * 2 <= count)
            Top *= 2;
    }

    // Removes and returns the list index of the j-th (from 0) remaining word.
    int Take(int j)
    {
        int position = 0;
        int rest = j + 1;
        for (int step = Top; step > 0; step /= 2) {
            const int next = position + step;
            if (next <= Count && Tree[next] < rest) {
                position = next;
                rest -= Tree[next];
            }
        }
        for (int i = position + 1; i <= Count; i += i & -i)
            Tree[i] -= 1;
        return position;
    }

private:
    std::vector<int> Tree;
    int Count;
    int Top = 1;
};

// The j-th (from 0) word not taken yet, in list order, taken now; `taken` holds the list
// indices taken so far, in order. As RemainingWords::Take, in time of the words taken, not
// of the list: a card takes at most 49 of a list of any length.
int TakeAmongFew(std::vector<int>& taken, int j)
{
    int index = j;
    auto at = taken.begin();
    for (; at != taken.end() && *at <= index; ++at)
        ++index;
    taken.insert(at, index);
    return index;
}

// Every word of the list into the cells in a random order, the generator seeded once.
// `shown` limits the work to the cells a card shows (the rest come after them).
void Shuffle(int count, int shown, RandomSource& random, std::vector<int>& cells)
{
    random.Reseed();
    const int n = std::min(count, shown);
    if (n <= 64) {
        thread_local std::vector<int> taken;
        taken.clear();
        for (int i = 0; i < n; ++i)
            cells[i] = TakeAmongFew(taken, static_cast<int>(random.Next(static_cast<std::uint32_t>(count - i))));
        return;
    }
    RemainingWords remaining(count);
    for (int i = 0; i < n; ++i)
        cells[i] = remaining.Take(static_cast<int>(random.Next(static_cast<std::uint32_t>(count - i))));
}

void ColumnRule(const ArrangementPlan& plan, bool freeSpace, int sizeIndex, RandomSource& random,
                std::vector<int>& cells)
{
    std::array<std::vector<int>, 5> groups = plan.Groups;
    const int n = static_cast<int>(cells.size());
    std::fill(cells.begin(), cells.end(), -1);
    // Cells take their groups in runs of five, one number from each group. A run begins
    // only while every group still has a number, so 75 different numbers fill all 75
    // entries and a short group ends the filling after its last full run.
    for (int i = 0; i < n; ++i) {
        std::vector<int>& group = groups[i % 5];
        bool anyEmpty = group.empty();
        if (i % 5 == 0)
            for (const auto& g : groups)
                anyEmpty = anyEmpty || g.empty();
        if (anyEmpty)
            break;
        random.Reseed();
        const auto j = static_cast<std::ptrdiff_t>(random.Next(static_cast<std::uint32_t>(group.size())));
        cells[i] = group[j];
        group.erase(group.begin() + j);
    }

    if (freeSpace) {
        const int side = CardSide(sizeIndex);
        const int centre = side * side / 2;
        for (int k = centre; k <= n - 2; ++k)
            cells[k] = cells[k + 1];
    }
}

} // namespace

bool IsNumbers1To75(const QStringList& words)
{
    if (words.size() != NumberCount)
        return false;
    for (const QString& word : words) {
        const auto value = TryStrToInt(word);
        if (!value || *value < 1 || *value > NumberCount)
            return false;
    }
    return true;
}

ArrangementPlan PlanArrangement(const QStringList& words)
{
    ArrangementPlan plan;
    plan.Count = static_cast<int>(words.size());
    plan.ColumnRule = IsNumbers1To75(words);
    if (plan.ColumnRule)
        for (int i = 0; i < plan.Count; ++i)
            plan.Groups[(*TryStrToInt(words[i]) - 1) / GroupSpan].push_back(i);
    return plan;
}

void ArrangeCardIndices(const ArrangementPlan& plan, bool freeSpace, int sizeIndex, RandomSource& random,
                        std::vector<int>& cells, int shown)
{
    // A shuffle stopped early leaves the later cells alone: only the first `shown` are kept.
    const bool cut = !plan.ColumnRule && shown >= 0 && shown < plan.Count;
    cells.assign(cut ? shown : plan.Count, -1);
    if (plan.ColumnRule)
        ColumnRule(plan, freeSpace, sizeIndex, random, cells);
    else
        Shuffle(plan.Count, shown < 0 ? plan.Count : shown, random, cells);
}

int CellsShown(bool freeSpace, int sizeIndex)
{
    const int side = CardSide(sizeIndex);
    return side * side - (freeSpace ? 1 : 0);
}

CardArranger::CardArranger(const QStringList& words) : Words(words), Plan(PlanArrangement(words)) {}

void CardArranger::Arrange(bool freeSpace, int sizeIndex, RandomSource& random, QStringList& cells) const
{
    thread_local std::vector<int> order;
    ArrangeCardIndices(Plan, freeSpace, sizeIndex, random, order, CellsShown(freeSpace, sizeIndex));
    cells.resize(static_cast<qsizetype>(order.size()));
    for (qsizetype i = 0; i < cells.size(); ++i)
        cells[i] = order[static_cast<size_t>(i)] >= 0 ? Words.at(order[static_cast<size_t>(i)]) : QString();
}

void ArrangeCardCells(const QStringList& words, bool freeSpace, int sizeIndex, RandomSource& random,
                      QStringList& cells)
{
    CardArranger(words).Arrange(freeSpace, sizeIndex, random, cells);
}
