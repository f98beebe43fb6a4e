// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include <QRawFont>

#include <map>
#include <set>
#include <vector>

// A font face read for embedding in a PDF: its metrics in design units, its glyphs' advances
// and the characters its glyphs stand for. A face with TrueType outlines keeps them; one with
// PostScript outlines (CFF: the CJK faces) has its glyphs made into TrueType outlines from
// the paths Qt gives.
class FontFace {
public:
    explicit FontFace(const QRawFont& font);

    int UnitsPerEm() const { return Upem; }
    int GlyphCount() const { return Glyphs; }
    // The glyph's advance in thousandths of the em, as a PDF font's widths give it.
    double Width(quint32 glyph) const;
    QByteArray PostScriptName() const { return Name; }
    int Ascent() const { return Ascender; }
    int Descent() const { return Descender; }
    QRect BoundingBox() const { return Box; }

    // The characters each of these glyphs stands for in the face's character map (the
    // lowest where several share a glyph), for a PDF's ToUnicode map.
    std::map<quint32, char32_t> Characters(const std::set<quint32>& glyphs) const;

    // A TrueType font holding only these glyphs (and .notdef and any a composite glyph
    // uses), each under its own number, so the PDF can name glyphs as the face does. A face
    // made TrueType here (CJK: tens of thousands of glyphs) numbers its glyphs afresh, from 1
    // in the order of their own numbers, so that the subset grows with the glyphs used, not
    // with the face; `renumbered` then says each glyph's new number (empty otherwise).
    QByteArray Subset(const std::set<quint32>& glyphs, std::map<quint32, quint32>* renumbered = nullptr) const;

private:
    QByteArray GlyphData(quint32 glyph) const;
    QByteArray OutlineGlyph(quint32 glyph) const;

    QRawFont Font;
    QByteArray Head, Hhea, Hmtx, Maxp, Loca, Glyf, Cmap;
    int Upem = 1000;
    int Glyphs = 0;
    int HMetrics = 0;
    bool LongLoca = false;
    int Ascender = 0;
    int Descender = 0;
    QRect Box;
    QByteArray Name;
};
