// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

// The caller's draw: the words of a list called one at a time at random, never one twice,
// with the last call taken back on request. Its state is the calls in order, which it
// writes and reads as text (one call per line after a header line), so a game survives a
// closed window or a crash. A word that stands more than once in the list is called once:
// its first entry is drawn, and every entry of it counts as called with it.
class CallerDraw {
public:
    explicit CallerDraw(QStringList words);

    const QStringList& Words() const { return All; }
    const QList<int>& Calls() const { return Called; } // indices into Words(), in call order
    int CalledCount() const { return static_cast<int>(Called.size()); }
    int Total() const { return Distinct; } // different words: the calls a game has
    // False for a word's later entries in the list (they are never drawn themselves).
    bool Callable(int index) const { return FirstOf[static_cast<size_t>(index)] == index; }
    bool Done() const { return CalledCount() >= Total(); }
    bool IsCalled(int index) const;
    QString Last() const;
    QStringList LastCalls(int count) const; // newest first

    // Draws the next word with a 64-bit random number (uniform over what is left); returns
    // its index, or -1 when every word is called.
    int Draw(std::uint64_t random);
    // The same among the words `allowed` lets be called (where given); -1 when none is left.
    int Draw(std::uint64_t random, const std::function<bool(int index)>& allowed);
    bool Undo();
    void Restart();

    QByteArray Save() const;
    // Reads saved calls back; false (and nothing changed) when they don't fit this list.
    bool Load(const QByteArray& saved);

private:
    QStringList All;
    QList<int> Called;
    std::vector<bool> Taken;
    std::vector<int> FirstOf; // the index of each entry's first equal entry
    int Distinct = 0;
};
