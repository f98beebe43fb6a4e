// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QRect>

#include <cstdint>
#include <unordered_map>
#include <vector>

// The boxes drawn on a page so far, and whether a new box touches any of them (edges
// included), found among the boxes near it rather than among all: a call list of 100,000
// words draws 100,000 boxes on one page.
class DrawnBoxes {
public:
    void Clear();
    void Add(const QRect& box);
    bool Touches(const QRect& box) const;

private:
    // Square tiles of this many pixels; a box is kept in every tile it covers, or among the
    // large ones where that would be too many tiles.
    static constexpr int Tile = 256;
    static constexpr int MaxTiles = 64;
    static std::uint64_t Key(int column, int row);
    // The tiles of a page (from its corner, up to 16,384 pixels each way) are looked up
    // directly; any beyond, in the map.
    static constexpr int Near = 64;
    std::vector<QRect>& At(int column, int row);
    const std::vector<QRect>* Find(int column, int row) const;
    std::vector<std::vector<QRect>> Dense = std::vector<std::vector<QRect>>(Near * Near);
    std::vector<int> Filled; // the dense tiles holding boxes
    std::unordered_map<std::uint64_t, std::vector<QRect>> Tiles;
    std::vector<QRect> Large;
};
