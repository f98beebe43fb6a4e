// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
// The PDF writer's own: a font of the document, for its page-writing and text-writing parts.
#include "formats/FontSubset.h"
#include "formats/PdfDocument.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

// A font of the document: the face, its resource name, and the glyphs the pages used.
struct PdfDocument::Font {
    std::unique_ptr<FontFace> Face;
    int Object = 0;
    QByteArray Resource;
    // By glyph: its width as the font's widths give it (-1 until first used).
    std::vector<int> Widths;
    // Glyphs the face's own map doesn't name, with the characters they stand for.
    std::map<quint32, QString> Named;

    int Use(quint32 glyph)
    {
        if (glyph >= Widths.size())
            Widths.resize(size_t(glyph) + 1, -1);
        int& width = Widths[glyph];
        if (width < 0)
            width = qRound(Face->Width(glyph));
        return width;
    }
    std::set<quint32> Used() const
    {
        std::set<quint32> used;
        for (size_t glyph = 0; glyph < Widths.size(); ++glyph)
            if (Widths[glyph] >= 0)
                used.insert(quint32(glyph));
        return used;
    }
};
