// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The font subsetter on a real face damaged at the places the input names, and on any glyph
// numbers: no crash, and whatever the face, a subset of glyphs it has is itself a font that
// reads back with those glyphs.
#include "formats/FontSubset.h"

#include <QFile>
#include "GuiApplication.h"
#include <QRawFont>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const QByteArray& Face()
{
    static const QByteArray bytes = [] {
        for (const char* path : {"/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
                                 "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}) {
            QFile file(QString::fromLatin1(path));
            if (file.open(QIODevice::ReadOnly))
                return file.readAll();
        }
        std::abort(); // the target needs a face to damage
    }();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NeedGuiApplication();
    if (size < 1)
        return 0;
    // The first byte: how many damages follow (each 4 bytes of place, 1 of value); the rest
    // are glyph numbers, two bytes each.
    QByteArray face = Face();
    std::size_t at = 1;
    const int damages = data[0] % 16;
    for (int i = 0; i < damages && at + 5 <= size; ++i, at += 5) {
        std::uint32_t place;
        std::memcpy(&place, data + at, 4);
        face[static_cast<qsizetype>(place % static_cast<std::uint32_t>(face.size()))] = static_cast<char>(data[at + 4]);
    }
    std::set<quint32> glyphs;
    for (; at + 2 <= size; at += 2)
        glyphs.insert(static_cast<quint32>(data[at] | data[at + 1] << 8));
    const QRawFont raw(face, 12);
    if (!raw.isValid())
        return 0;
    const FontFace read(raw);
    for (const quint32 g : glyphs)
        (void)read.Width(g);
    (void)read.Characters(glyphs);
    std::set<quint32> kept;
    for (const quint32 g : glyphs)
        if (static_cast<int>(g) < read.GlyphCount())
            kept.insert(g);
    std::map<quint32, quint32> renumbered;
    const QByteArray subset = read.Subset(kept, &renumbered);
    // An undamaged face's subset is a font again.
    if (damages == 0 && !QRawFont(subset, 12).isValid())
        std::abort();
    return 0;
}
