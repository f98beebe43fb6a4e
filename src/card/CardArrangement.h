#pragma once
#include <QStringList>

class RandomSource;

// Puts the words of a list into the cells of a card: the column rule when the list is
// exactly the numbers 1 to 75 (each column of a 5 x 5 card from its own group of fifteen),
// the shuffle for every other list. Works on values only; the main window reads its
// controls and stores the result in CardCells.
//
// `cells` is resized to the word count; every entry is written. (Where repeated numbers
// leave a column group short, the entries the column rule cannot fill are left empty.)
void ArrangeCardCells(const QStringList& words, bool freeSpace, int sizeIndex,
                      RandomSource& random, QStringList& cells);

// True when the list is 75 whole numbers, each from 1 to 75.
bool IsNumbers1To75(const QStringList& words);
