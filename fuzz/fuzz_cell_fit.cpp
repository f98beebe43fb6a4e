// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Cell fitting on the recording surface with any text and any box: it ends, and every
// line stays inside the box's width less the margin, or is drawn at 1 point.
#include "output/CellText.h"
#include "support/RecordingSurface.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;
    uint16_t w, h;
    int16_t points;
    std::memcpy(&w, data, 2);
    std::memcpy(&h, data + 2, 2);
    std::memcpy(&points, data + 4, 2);
    const bool wrap = data[6] & 1;
    const int margin = (data[6] & 2) ? 2 : 1;
    const bool huge = data[7] & 1;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 8), static_cast<qsizetype>(size - 8));
    const int width = w % 4096;
    const int height = h % 4096;

    RecordingSurface s;
    s.SetFont(QStringLiteral("Arial"), huge ? 2147483647 : points, false);
    const int start = s.FontSize();
    FitCellText(s, QRect(10, 20, width, height), text, wrap, margin);
    if (s.FontSize() != start)
        std::abort();
    if (s.Texts.empty() || s.Texts.size() > 2)
        std::abort();
    for (const auto& t : s.Texts) {
        const qint64 drawn = std::clamp(t.Size, 1, MaxFontPoints);
        const qint64 tw = std::min<qint64>(t.Str.size() * drawn, INT_MAX / 4);
        const bool fits = tw <= width - margin * drawn;
        if (t.Size > 1 && t.Size < start && !fits)
            std::abort(); // shrunk but still too wide, above the floor
        if (t.Size > 1 && fits && (t.X < 10 || t.X + tw > 10 + width))
            std::abort(); // fits, yet drawn outside the box
    }
    return 0;
}
