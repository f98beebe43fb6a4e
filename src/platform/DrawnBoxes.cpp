// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/DrawnBoxes.h"

#include <algorithm>

namespace {

bool Meet(const QRect& a, const QRect& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

// The tile of a coordinate, rounding down for negative ones too.
int TileOf(int v, int tile)
{
    return v >= 0 ? v / tile : -((-v + tile - 1) / tile);
}

} // namespace

std::uint64_t DrawnBoxes::Key(int column, int row)
{
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32 | static_cast<std::uint32_t>(row);
}

std::vector<QRect>& DrawnBoxes::At(int column, int row)
{
    if (column >= 0 && column < Near && row >= 0 && row < Near) {
        std::vector<QRect>& tile = Dense[size_t(row * Near + column)];
        if (tile.empty())
            Filled.push_back(row * Near + column);
        return tile;
    }
    return Tiles[Key(column, row)];
}

const std::vector<QRect>* DrawnBoxes::Find(int column, int row) const
{
    if (column >= 0 && column < Near && row >= 0 && row < Near)
        return &Dense[size_t(row * Near + column)];
    const auto at = Tiles.find(Key(column, row));
    return at == Tiles.end() ? nullptr : &at->second;
}

void DrawnBoxes::Clear()
{
    for (int tile : Filled)
        Dense[size_t(tile)].clear();
    Filled.clear();
    // The tiles stay, emptied, for the next page: a page of cards covers the same tiles
    // as the one before, and making them again was most of the memory work of a job.
    if (Tiles.size() > 4096)
        Tiles.clear();
    for (auto& [key, boxes] : Tiles)
        boxes.clear();
    Large.clear();
}

void DrawnBoxes::Add(const QRect& box)
{
    const int c0 = TileOf(box.left(), Tile), c1 = TileOf(box.right(), Tile);
    const int r0 = TileOf(box.top(), Tile), r1 = TileOf(box.bottom(), Tile);
    if (static_cast<long long>(c1 - c0 + 1) * (r1 - r0 + 1) > MaxTiles) {
        Large.push_back(box);
        return;
    }
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r)
            At(c, r).push_back(box);
}

bool DrawnBoxes::Touches(const QRect& box) const
{
    if (std::any_of(Large.cbegin(), Large.cend(), [&](const QRect& r) { return Meet(r, box); }))
        return true;
    const int c0 = TileOf(box.left(), Tile), c1 = TileOf(box.right(), Tile);
    const int r0 = TileOf(box.top(), Tile), r1 = TileOf(box.bottom(), Tile);
    if (static_cast<long long>(c1 - c0 + 1) * (r1 - r0 + 1) > MaxTiles) {
        // A box larger than the tiles are for: every box kept is looked at.
        for (int tile : Filled)
            if (std::any_of(Dense[size_t(tile)].cbegin(), Dense[size_t(tile)].cend(),
                            [&](const QRect& r) { return Meet(r, box); }))
                return true;
        for (const auto& [key, boxes] : Tiles)
            if (std::any_of(boxes.cbegin(), boxes.cend(), [&](const QRect& r) { return Meet(r, box); }))
                return true;
        return false;
    }
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r)
            if (const std::vector<QRect>* boxes = Find(c, r))
                if (std::any_of(boxes->cbegin(), boxes->cend(), [&](const QRect& k) { return Meet(k, box); }))
                    return true;
    return false;
}
