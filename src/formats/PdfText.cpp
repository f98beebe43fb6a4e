// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The PDF writer's text: glyph runs into the pages' operators, and at the end each font the
// pages used, as a subset with its widths and its map back to the characters.
#include "formats/Deflate.h"
#include "formats/PdfFont.h"
#include "formats/PdfSyntax.h"

#include <algorithm>

using namespace PdfSyntax;

namespace {

// A glyph's two bytes in a string: as they are, but for the bytes a string ends or escapes
// with, and line ends, which a reader would take as one.
void GlyphBytes(std::string& out, quint32 glyph)
{
    for (const char byte : {char((glyph >> 8) & 0xFF), char(glyph & 0xFF)})
        switch (byte) {
        case '(': out += "\\("; break;
        case ')': out += "\\)"; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += byte;
        }
}

// How far a glyph may stand from where Qt placed it, in device pixels (1/600 inch): the
// widths a PDF font gives are whole thousandths of the em, Qt's advances are rounded to 64ths
// of a pixel at each size, so without this nearly every glyph would carry a correction.
constexpr double MaxDrift = 0.125;

} // namespace

PdfDocument::Font& PdfDocument::FontFor(const QRawFont& raw)
{
    // A face comes at several sizes, each its own raw font; the faces met are few.
    for (const auto& [size, font] : FontsBySize)
        if (size == raw)
            return *font;
    const QString key = raw.familyName() + QChar(0x1F) + raw.styleName();
    if (Font* known = FontsByFace.value(key)) {
        FontsBySize.emplace_back(raw, known);
        return *known;
    }
    auto font = std::make_unique<Font>();
    font->Face = std::make_unique<FontFace>(raw);
    font->Object = NewObject();
    font->Resource = "/F" + QByteArray::number(int(Fonts.size()) + 1);
    Fonts.push_back(std::move(font));
    FontsByFace.insert(key, Fonts.back().get());
    FontsBySize.emplace_back(raw, Fonts.back().get());
    return *Fonts.back();
}

void PdfDocument::DrawGlyphs(const QRawFont& raw, const QList<quint32>& glyphs, const QList<QPointF>& positions)
{
    DrawRuns(raw, {PlacedRun{0, glyphs, positions, QPointF()}});
}

PdfDocument::Shown PdfDocument::ShowRun(Font& font, double size, const QList<quint32>& glyphs,
                                        const QList<QPointF>& positions)
{
    // A line of text is one string; where a glyph stands off from where the one before
    // leaves the pen (kerning, rounding), the string carries the difference. A glyph far
    // from the pen starts a line of its own, moved to from the line before. The glyphs'
    // numbers go in as bytes, two to a glyph.
    Shown shown;
    std::string& out = shown.Text;
    const qsizetype count = std::min(glyphs.size(), positions.size());
    const QPointF first = positions[0];
    double penX = 0, lineX = 0, lineY = 0;
    out += "[(";
    for (qsizetype i = 0; i < count; ++i) {
        const quint32 glyph = glyphs[i];
        const QPointF at = positions[i] - first;
        const int width = font.Use(glyph);
        const double shift = Round3((penX - at.x()) * 1000 / size);
        if (at.y() != lineY || std::abs(shift) > 1000) {
            // The text's matrix turns y up: a line lower on the page is a move down.
            out += ")] TJ\n";
            Number(out, at.x() - lineX);
            out += ' ';
            Number(out, lineY - at.y());
            out += " Td [(";
            penX = lineX = at.x();
            lineY = at.y();
        } else if (std::abs(penX - at.x()) > MaxDrift) {
            out += ')';
            Number(out, shift);
            out += '(';
            penX -= shift * size / 1000;
        }
        GlyphBytes(out, glyph);
        penX += width * size / 1000;
    }
    out += ")] TJ\n";
    shown.LastLine = QPointF(lineX, lineY);
    return shown;
}

void PdfDocument::DrawRuns(const QRawFont& raw, const std::vector<PlacedRun>& runs)
{
    if (std::all_of(runs.cbegin(), runs.cend(), [](const PlacedRun& run) { return run.Glyphs.isEmpty() || run.Positions.isEmpty(); }))
        return;
    EndPath();
    SetFill(Ink);
    if (Bolder > 0)
        SetStroke(Ink);
    Font& font = FontFor(raw);
    const double size = raw.pixelSize();
    Content += "BT ";
    Content.append(font.Resource.constData(), size_t(font.Resource.size()));
    Content += ' ';
    Number(Content, size);
    Content += " Tf\n";
    if (Bolder > 0) {
        // Filled and stroked: the outline grows by half the stroke on every side.
        Content += "2 Tr ";
        Number(Content, Bolder);
        Content += " w\n";
    }
    // The first text placed by a matrix, the others moved to from the line before.
    bool placed = false;
    QPointF line;
    if (ShownRuns.size() > 20000)
        ShownRuns.clear();
    for (const PlacedRun& run : runs) {
        if (run.Glyphs.isEmpty() || run.Positions.isEmpty())
            continue;
        const QPointF start = run.Origin + run.Positions[0];
        Scratch move;
        if (placed) {
            Number(move, start.x() - line.x());
            move += ' ';
            Number(move, line.y() - start.y());
            move += " Td ";
        } else {
            move += "1 0 0 -1 ";
            Number(move, start.x());
            move += ' ';
            Number(move, start.y());
            move += " Tm ";
            placed = true;
        }
        move.AppendTo(Content);
        const Shown* shown;
        Shown once;
        if (run.Key == 0) {
            once = ShowRun(font, size, run.Glyphs, run.Positions);
            shown = &once;
        } else {
            auto it = ShownRuns.find(run.Key);
            if (it == ShownRuns.end())
                it = ShownRuns.emplace(run.Key, ShowRun(font, size, run.Glyphs, run.Positions)).first;
            shown = &it->second;
        }
        Content += shown->Text;
        line = start + shown->LastLine;
    }
    if (Bolder > 0)
        Content += "0 Tr 1 w\n";
    Content += "ET\n";
}

void PdfDocument::NameGlyph(const QRawFont& raw, quint32 glyph, const QString& text)
{
    FontFor(raw).Named.emplace(glyph, text);
}

void PdfDocument::BeginActualText(const QString& text)
{
    EndPath();
    Content += "/Span <</ActualText ";
    Content += TextString(text).toStdString();
    Content += ">> BDC\n";
}

void PdfDocument::EndActualText()
{
    Content += "EMC\n";
}

// A font's objects: the composite font, its glyphs' widths, its descriptor, the subset
// program and the map back to the characters.
void PdfDocument::WriteFont(const Font& font)
{
    const FontFace& face = *font.Face;
    const std::set<quint32> used = font.Used();
    // A subset's name carries a tag of six capitals, from the glyphs it holds.
    quint32 hash = 2166136261u;
    for (quint32 glyph : used)
        hash = (hash ^ glyph) * 16777619u;
    QByteArray name = face.PostScriptName();
    QByteArray tag;
    for (int i = 0; i < 6; ++i, hash /= 26)
        tag += char('A' + hash % 26);
    name = tag + '+' + name;

    // The program first: a face made TrueType here numbers its glyphs afresh, and the font
    // then maps the pages' glyph numbers to the subset's.
    std::map<quint32, quint32> renumbered;
    const QByteArray program = face.Subset(used, &renumbered);
    const int descendant = NewObject(), descriptor = NewObject(), file = NewObject(), unicode = NewObject();
    const int glyphMap = renumbered.empty() ? 0 : NewObject();
    const double unit = 1000.0 / face.UnitsPerEm();
    QByteArray widths = "[";
    for (quint32 glyph : used) {
        widths += QByteArray::number(glyph) + " [";
        Number(widths, font.Widths[glyph]);
        widths += "] ";
    }
    widths += ']';
    WriteObject(font.Object, "<< /Type /Font /Subtype /Type0 /BaseFont /" + name +
                                  " /Encoding /Identity-H /DescendantFonts [" + QByteArray::number(descendant) +
                                  " 0 R] /ToUnicode " + QByteArray::number(unicode) + " 0 R >>");
    WriteObject(descendant, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                                " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                                " /FontDescriptor " + QByteArray::number(descriptor) +
                                " 0 R /CIDToGIDMap " +
                                (glyphMap ? QByteArray::number(glyphMap) + " 0 R" : QByteArray("/Identity")) +
                                " /DW 0 /W " + widths + " >>");
    const QRect box = face.BoundingBox();
    QByteArray descriptorText = "<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox [";
    for (int value : {box.left(), box.top(), box.right(), box.bottom()}) {
        Number(descriptorText, value * unit);
        descriptorText += ' ';
    }
    descriptorText += "] /ItalicAngle 0 /Ascent ";
    Number(descriptorText, face.Ascent() * unit);
    descriptorText += " /Descent ";
    Number(descriptorText, face.Descent() * unit);
    descriptorText += " /CapHeight ";
    Number(descriptorText, face.Ascent() * unit);
    descriptorText += " /StemV 80 /FontFile2 " + QByteArray::number(file) + " 0 R >>";
    WriteObject(descriptor, descriptorText);
    if (glyphMap) {
        // Two bytes a page glyph number, up to the highest used: the subset's number.
        QByteArray map(2 * qsizetype(renumbered.rbegin()->first + 1), '\0');
        for (const auto& [glyph, number] : renumbered) {
            map[2 * qsizetype(glyph)] = char(number >> 8);
            map[2 * qsizetype(glyph) + 1] = char(number & 0xFF);
        }
        WritePacked(glyphMap, map);
    }
    WritePacked(file, program, " /Length1 " + QByteArray::number(program.size()));

    std::map<quint32, QString> characters;
    for (const auto& [glyph, character] : face.Characters(used))
        characters.emplace(glyph, QString::fromUcs4(&character, 1));
    for (const auto& [glyph, text] : font.Named)
        if (used.count(glyph))
            characters.emplace(glyph, text); // where the face's map says nothing of it
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    auto entry = characters.begin();
    while (entry != characters.end()) {
        QByteArray block;
        int count = 0;
        for (; entry != characters.end() && count < 100; ++entry, ++count) {
            block += '<';
            Hex4(block, entry->first);
            block += "> <";
            for (QChar c : entry->second)
                Hex4(block, c.unicode());
            block += ">\n";
        }
        map += QByteArray::number(count) + " beginbfchar\n" + block + "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    WritePacked(unicode, map);
}
