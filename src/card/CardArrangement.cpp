#include "card/CardArrangement.h"
#include "card/CardOptions.h"
#include "card/RandomSource.h"
#include "platform/IntegerConversion.h"

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

void Shuffle(const QStringList& words, RandomSource& random, QStringList& cells)
{
    const int n = static_cast<int>(words.size());
    RemainingWords remaining(n);
    random.Reseed();
    for (int i = 0; i < n; ++i)
        cells[i] = words[remaining.Take(static_cast<int>(random.Next(static_cast<std::uint32_t>(n - i))))];
}

void ColumnRule(const QStringList& words, bool freeSpace, int sizeIndex, RandomSource& random,
                QStringList& cells)
{
    std::array<QStringList, 5> groups;
    for (const QString& word : words)
        groups[(*TryStrToInt(word) - 1) / GroupSpan].append(word);

    const int n = static_cast<int>(cells.size());
    for (int i = 0; i < n; ++i)
        cells[i].clear();
    // Cells take their groups in runs of five, one number from each group. A run begins
    // only while every group still has a number, so 75 different numbers fill all 75
    // entries and a short group ends the filling after its last full run.
    for (int i = 0; i < n; ++i) {
        QStringList& group = groups[i % 5];
        bool anyEmpty = group.isEmpty();
        if (i % 5 == 0)
            for (const auto& g : groups)
                anyEmpty = anyEmpty || g.isEmpty();
        if (anyEmpty)
            break;
        random.Reseed();
        const auto j = static_cast<qsizetype>(random.Next(static_cast<std::uint32_t>(group.size())));
        cells[i] = group.takeAt(j);
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

void ArrangeCardCells(const QStringList& words, bool freeSpace, int sizeIndex, RandomSource& random,
                      QStringList& cells)
{
    cells.resize(words.size());
    if (IsNumbers1To75(words))
        ColumnRule(words, freeSpace, sizeIndex, random, cells);
    else
        Shuffle(words, random, cells);
}
