// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Surface.h"
#include <QString>
#include <algorithm>
#include <climits>
#include <vector>

// A surface with simple, exact metrics that records what is drawn: every character is
// `size` pixels wide and every line of text 2 x `size` pixels high, whatever the face
// (sizes below 1 measure as 1, above MaxFontPoints as MaxFontPoints).
class RecordingSurface final : public Surface {
public:
    struct Text {
        int X, Y;
        QString Str;
        int Size;
        bool operator==(const Text&) const = default;
    };
    struct Segment {
        int X1, Y1, X2, Y2;
        bool operator==(const Segment&) const = default;
    };

    void FillBackground() override { ++Fills; }
    void SetFont(const QString& face, int points, bool bold) override
    {
        Face = face;
        Bold = bold;
        Size = points;
    }
    int FontSize() const override { return Size; }
    QString FontFace() const override { return Face; }
    bool FontBold() const override { return Bold; }
    void SetFontSize(int points) override { Size = points; }
    // Like the real surface, sizes above MaxFontPoints draw as MaxFontPoints.
    int Drawn() const { return std::clamp(Size, 1, MaxFontPoints); }
    int TextWidth(const QString& text) override
    {
        return static_cast<int>(std::min<qint64>(text.size() * qint64(Drawn()), INT_MAX / 4));
    }
    int TextHeight(const QString&) override { return 2 * Drawn(); }
    void TextOut(int x, int y, const QString& text) override { Texts.push_back({x, y, text, Size}); }
    void Line(int x1, int y1, int x2, int y2) override { Lines.push_back({x1, y1, x2, y2}); }
    int PenWidth() const override { return 1; }
    void Shade(int x, int y, int width, int height) override { Shaded.push_back({x, y, x + width, y + height}); }

    // The texts drawn, without the blanks of empty cells.
    std::vector<Text> Visible() const;

    QString Face;
    bool Bold = false;
    int Size = 0;
    int Fills = 0;
    std::vector<Text> Texts;
    std::vector<Segment> Lines;
    std::vector<Segment> Shaded; // boxes from corner to corner
};
