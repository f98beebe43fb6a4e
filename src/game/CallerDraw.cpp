// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/CallerDraw.h"

#include <QHash>

namespace {
const QByteArray Header = "Plumwick calls 1";
}

CallerDraw::CallerDraw(QStringList words) : All(std::move(words)), Taken(All.size(), false)
{
    QHash<QString, int> first;
    FirstOf.reserve(All.size());
    for (int i = 0; i < All.size(); ++i) {
        const auto at = first.constFind(All[i]);
        FirstOf.push_back(at == first.constEnd() ? i : *at);
        if (at == first.constEnd())
            first.insert(All[i], i);
    }
    Distinct = static_cast<int>(first.size());
}

bool CallerDraw::IsCalled(int index) const
{
    return index >= 0 && index < static_cast<int>(Taken.size()) && Taken[FirstOf[index]];
}

QString CallerDraw::Last() const
{
    return Called.isEmpty() ? QString() : All[Called.back()];
}

QStringList CallerDraw::LastCalls(int count) const
{
    QStringList last;
    for (qsizetype i = Called.size() - 1; i >= 0 && last.size() < count; --i)
        last << All[Called[i]];
    return last;
}

int CallerDraw::Draw(std::uint64_t random)
{
    return Draw(random, nullptr);
}

int CallerDraw::Draw(std::uint64_t random, const std::function<bool(int)>& allowed)
{
    int left = Total() - CalledCount();
    if (allowed) {
        left = 0;
        for (int i = 0; i < All.size(); ++i)
            left += !Taken[i] && Callable(i) && allowed(i) ? 1 : 0;
    }
    if (left <= 0)
        return -1;
    // The k-th word not yet called, k uniform in 0 .. left-1 (multiply-shift, no modulo bias
    // worth the name at 64 bits).
    auto k = static_cast<int>((static_cast<unsigned __int128>(random) * static_cast<unsigned>(left)) >> 64);
    for (int i = 0; i < All.size(); ++i) {
        if (Taken[i] || !Callable(i) || (allowed && !allowed(i)))
            continue;
        if (k-- == 0) {
            Taken[i] = true;
            Called << i;
            return i;
        }
    }
    return -1;
}

bool CallerDraw::Undo()
{
    if (Called.isEmpty())
        return false;
    Taken[Called.takeLast()] = false;
    return true;
}

void CallerDraw::Restart()
{
    Called.clear();
    std::fill(Taken.begin(), Taken.end(), false);
}

QByteArray CallerDraw::Save() const
{
    QByteArray out = Header + "\n";
    for (int i : Called)
        out += QByteArray::number(i) + "\t" + All[i].toUtf8() + "\n";
    return out;
}

bool CallerDraw::Load(const QByteArray& saved)
{
    const QList<QByteArray> lines = saved.split('\n');
    if (lines.isEmpty() || lines.front() != Header)
        return false;
    QList<int> calls;
    std::vector<bool> taken(All.size(), false);
    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QByteArray& line = lines[l];
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf('\t');
        bool ok = false;
        int index = line.left(tab).toInt(&ok);
        if (tab < 0 || !ok || index < 0 || index >= All.size() || QString::fromUtf8(line.mid(tab + 1)) != All[index])
            return false;
        // Saved before repeated words were called once: a later entry stands for the first.
        index = FirstOf[index];
        if (taken[index]) {
            if (index == line.left(tab).toInt())
                return false;
            continue;
        }
        taken[index] = true;
        calls << index;
    }
    Called = calls;
    Taken = taken;
    return true;
}
