// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QStringList>
#include <array>
#include <vector>

class RandomSource;

// Puts the words of a list into the cells of a card: the column rule when the list is
// exactly the numbers 1 to 75 (each column of a 5 x 5 card from its own group of fifteen),
// the shuffle for every other list. Works on values only; the main window reads its
// controls and stores the result in CardCells.
//
// `cells` gets the cells a card shows, in reading order without the free space: a shuffle
// draws only those (as many as the words where the list is shorter), the column rule all 75
// (its draws depend on each other). Where repeated numbers leave a column group short, the
// entries the column rule cannot fill are left empty.
void ArrangeCardCells(const QStringList& words, bool freeSpace, int sizeIndex,
                      RandomSource& random, QStringList& cells);

// The cells a card shows: side x side, less the free space.
int CellsShown(bool freeSpace, int sizeIndex);

// True when the list is 75 whole numbers, each from 1 to 75.
bool IsNumbers1To75(const QStringList& words);

// What arranging needs to know of a list, worked out once: whether the column rule applies
// and, if so, the list indices of each column's numbers in list order.
struct ArrangementPlan {
    int Count = 0;
    bool ColumnRule = false;
    std::array<std::vector<int>, 5> Groups;
};
ArrangementPlan PlanArrangement(const QStringList& words);

// The same arrangement as list indices (-1: a cell the column rule leaves empty), drawing
// from the generator exactly as ArrangeCardCells does. With `shown` >= 0 a shuffle stops
// after the first `shown` cells (those after are never printed) and `cells` holds just those.
void ArrangeCardIndices(const ArrangementPlan& plan, bool freeSpace, int sizeIndex, RandomSource& random,
                        std::vector<int>& cells, int shown = -1);

// Card after card from one list, what arranging needs to know of the list worked out once
// (a job of many cards; arranging one card that way reads through the whole list).
class CardArranger {
public:
    explicit CardArranger(const QStringList& words);
    // Safe to call from several threads at once (an export draws cards on every core).
    void Arrange(bool freeSpace, int sizeIndex, RandomSource& random, QStringList& cells) const;

private:
    QStringList Words;
    ArrangementPlan Plan;
};
