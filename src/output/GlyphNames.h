// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QRawFont>
#include <QString>
#include <vector>

class QTextLayout;

// What a shaped text's glyphs stand for, where the glyphs alone don't read back as the text
// was written: a ligature ("fi", lam-alef), a conjunct (क्ष), a half form, a contextual
// form, marks drawn apart from their letter. A document maps each such glyph to the
// characters of its cluster and gives the whole text for copying and searching.
struct GlyphNames {
    struct Named {
        QRawFont Font;
        quint32 Glyph;
        QString Text;
    };
    bool Actual = false;       // the text needs to be given as written
    std::vector<Named> Names; // glyphs that their font's own map doesn't name
};

// From a layout of `text` on one line, done already.
GlyphNames NameGlyphs(const QTextLayout& layout, const QString& text);
