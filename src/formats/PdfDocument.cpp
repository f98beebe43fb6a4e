// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "formats/PdfDocument.h"
#include "formats/Deflate.h"
#include "formats/FontSubset.h"

#include <QIODevice>
#include <QTimeZone>

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>

namespace {

// Pages drawn but not yet written; the drawing waits for the writer beyond this. The writer
// is woken for a few pages at a time: waking a thread costs more than a small page's writing.
constexpr size_t MaxPendingPages = 12;
constexpr size_t WakeWriterAt = 4;
// Bytes gathered before they go to the device.
constexpr qsizetype WriteChunk = 1 << 16;
// The fastest level: a page of cards is mostly the same few operators and numbers, which
// it packs within a few per cent of the slower levels.
constexpr int CompressionLevel = 1;

// A few numbers and operators gathered on the stack, to go into the page in one piece.
struct Scratch {
    char Data[160];
    size_t Size = 0;
    void append(const char* text, size_t length)
    {
        std::memcpy(Data + Size, text, length);
        Size += length;
    }
    Scratch& operator+=(char c)
    {
        Data[Size++] = c;
        return *this;
    }
    template <size_t N>
    Scratch& operator+=(const char (&text)[N])
    {
        append(text, N - 1);
        return *this;
    }
    void AppendTo(std::string& out) const { out.append(Data, Size); }
};

template <class Text>
void Number(Text& out, int value)
{
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end - text);
}

// A number as short as it reads back: positions come in 64ths of a pixel and spacing in
// thousandths of the em, so most take a whole part and a few decimals, written here
// directly; anything else goes the general (slower) way.
// The decimals of each 64th: ".015625" to ".984375".
struct Sixtyfourths {
    char Digits[64][8];
    int Lengths[64];
    Sixtyfourths()
    {
        for (int k = 0; k < 64; ++k) {
            long long fraction = k * 15625LL;
            Digits[k][0] = '.';
            for (int i = 6; i > 0; --i, fraction /= 10)
                Digits[k][i] = char('0' + fraction % 10);
            int length = 7;
            while (length > 1 && Digits[k][length - 1] == '0')
                --length;
            Lengths[k] = length == 1 ? 0 : length;
        }
    }
};

template <class Text>
void Number(Text& out, double value)
{
    // Positions are mostly whole 64ths of a pixel: written from a table, no rounding needed.
    static const Sixtyfourths table;
    if (const double scaled = value * 64; std::abs(scaled) < 1e15) {
        const long long n = static_cast<long long>(scaled);
        if (double(n) == scaled) {
            const long long magnitude = n < 0 ? -n : n;
            if (n < 0)
                out += '-';
            char text[24];
            out.append(text, std::to_chars(text, text + sizeof text, magnitude / 64).ptr - text);
            out.append(table.Digits[magnitude % 64], size_t(table.Lengths[magnitude % 64]));
            return;
        }
    }
    for (const long long parts : {64LL, 1000LL}) {
        const double scaled = value * double(parts);
        const double whole = std::round(scaled);
        if (std::abs(scaled - whole) > 1e-6 || std::abs(whole) > 1e15)
            continue;
        long long n = static_cast<long long>(whole);
        if (n < 0) {
            out += '-';
            n = -n;
        }
        char text[24];
        out.append(text, std::to_chars(text, text + sizeof text, n / parts).ptr - text);
        long long fraction = n % parts;
        if (fraction == 0)
            return;
        // As six decimals (64ths are exact in six), then the zeros at the end dropped.
        fraction = parts == 64 ? fraction * 15625 : fraction * 1000;
        char digits[7] = {'.', '0', '0', '0', '0', '0', '0'};
        for (int i = 6; i > 0; --i, fraction /= 10)
            digits[i] = char('0' + fraction % 10);
        int length = 7;
        while (digits[length - 1] == '0')
            --length;
        out.append(digits, length);
        return;
    }
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end - text);
}

template <class Text>
void Hex4(Text& out, quint32 value)
{
    static const char digits[] = "0123456789ABCDEF";
    const char hex[4] = {digits[(value >> 12) & 15], digits[(value >> 8) & 15], digits[(value >> 4) & 15], digits[value & 15]};
    out.append(hex, 4);
}

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

// A text string as PDF text: UTF-16 with its byte-order mark, in hex.
QByteArray TextString(const QString& text)
{
    QByteArray out = "<FEFF";
    for (QChar c : text)
        Hex4(out, c.unicode());
    return out + '>';
}

// How far a glyph may stand from where Qt placed it, in device pixels (1/600 inch): the
// widths a PDF font gives are whole thousandths of the em, Qt's advances are rounded to 64ths
// of a pixel at each size, so without this nearly every glyph would carry a correction.
constexpr double MaxDrift = 0.125;

double Round3(double value) { return std::round(value * 1000) / 1000; }

} // namespace

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

PdfDocument::PdfDocument(QIODevice& out, Setup setup) : Out(out), Page(std::move(setup))
{
    PagesObject = NewObject();
    Write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    const QDateTime created = Page.Created.isValid() ? Page.Created : QDateTime::currentDateTimeUtc();
    WriteObject(2, "<< /Title " + TextString(Page.Title) + " /Creator " + TextString(QStringLiteral("Plumwick")) +
                       " /Producer " + TextString(QStringLiteral("Plumwick")) + " /CreationDate (D:" +
                       created.toUTC().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1() + "Z) >>");
    Flush();
    Writer = std::thread([this] { WriterLoop(); });
}

PdfDocument::~PdfDocument()
{
    StopWriter();
}

void PdfDocument::StopWriter()
{
    if (!Writer.joinable())
        return;
    {
        std::lock_guard<std::mutex> hold(Lock);
        Stopping = true;
    }
    Changed.notify_all();
    Writer.join();
}

void PdfDocument::WriterLoop()
{
    for (;;) {
        std::deque<Pending> pages;
        {
            std::unique_lock<std::mutex> hold(Lock);
            Changed.wait(hold, [this] { return Stopping || Queue.size() >= WakeWriterAt; });
            if (Queue.empty())
                break;
            pages.swap(Queue);
            if (DrawingWaits)
                Changed.notify_all();
        }
        for (const Pending& page : pages) {
            const QByteArray packed = Deflate(page.Content.data(), page.Content.size(), CompressionLevel);
            WriteObject(page.Id, "<< /Filter /FlateDecode /Length " + QByteArray::number(packed.size()) + " >>",
                        &packed);
        }
    }
    Flush();
}

void PdfDocument::Write(const QByteArray& bytes)
{
    Buffer.append(bytes);
    Position += bytes.size();
    if (Buffer.size() >= WriteChunk)
        Flush();
}

void PdfDocument::Flush()
{
    if (!Buffer.isEmpty())
        Out.write(Buffer);
    Buffer.clear();
}

void PdfDocument::BeginObject(int id)
{
    if (Offsets.size() <= size_t(id))
        Offsets.resize(size_t(id) + 1, -1);
    Offsets[size_t(id)] = Position;
    Write(QByteArray::number(id) + " 0 obj\n");
}

void PdfDocument::WritePacked(int id, const QByteArray& data, const QByteArray& more)
{
    const QByteArray packed = Deflate(data.constData(), size_t(data.size()), 6);
    WriteObject(id, "<< /Filter /FlateDecode /Length " + QByteArray::number(packed.size()) + more + " >>", &packed);
}

void PdfDocument::WriteObject(int id, const QByteArray& dictionary, const QByteArray* stream)
{
    BeginObject(id);
    Write(dictionary);
    if (stream) {
        Write("\nstream\n");
        Write(*stream);
        Write("\nendstream");
    }
    Write("\nendobj\n");
}

QRect PdfDocument::Area() const
{
    return QRect(Page.AreaCorner, Page.AreaPixels);
}

void PdfDocument::BeginPage()
{
    if (InPage)
        EndPage();
    InPage = true;
    FillColour = Qt::black;
    Content.clear();
    // Device pixels from the drawable area's corner, y downwards, as the painter has them.
    const double scale = 72.0 / Page.Dpi;
    Number(Content, scale);
    Content += " 0 0 ";
    Number(Content, -scale);
    Content += ' ';
    Number(Content, Page.AreaOffset.x() * scale);
    Content += ' ';
    Number(Content, Page.PagePoints.height() - Page.AreaOffset.y() * scale);
    // Lines of one device pixel, with stroke adjustment: a viewer that honours it draws each
    // line as whole pixels, crisp as on the screen, rather than smeared over two.
    Content += " cm\n/GS0 gs 1 w 2 J 2 j 0 G 0 g\n";
}

void PdfDocument::EndPage()
{
    if (!InPage)
        return;
    EndPath();
    InPage = false;
    const int page = NewObject(), contents = NewObject();
    Pages.push_back({page, contents});
    {
        std::unique_lock<std::mutex> hold(Lock);
        DrawingWaits = true;
        Changed.wait(hold, [this] { return Queue.size() < MaxPendingPages; });
        DrawingWaits = false;
        Queue.push_back({contents, std::move(Content)});
        if (Queue.size() >= WakeWriterAt)
            Changed.notify_all();
    }
    Content = std::string();
    Content.reserve(1 << 16);
}

void PdfDocument::EndPath()
{
    if (InPath)
        Content += "S\n";
    InPath = false;
}

void PdfDocument::SetFill(const QColor& colour)
{
    if (colour == FillColour)
        return;
    FillColour = colour;
    if (colour.red() == colour.green() && colour.green() == colour.blue()) {
        Number(Content, Round3(colour.redF()));
        Content += " g\n";
    } else {
        for (double part : {colour.redF(), colour.greenF(), colour.blueF()}) {
            Number(Content, Round3(part));
            Content += ' ';
        }
        Content += "rg\n";
    }
}

void PdfDocument::Fill(const QRect& box, const QColor& colour)
{
    EndPath();
    SetFill(colour);
    for (int value : {box.x(), box.y(), box.width(), box.height()}) {
        Number(Content, value);
        Content += ' ';
    }
    Content += "re f\n";
}

void PdfDocument::DrawLine(int x1, int y1, int x2, int y2)
{
    // Lines gather into one path, stroked once.
    InPath = true;
    Scratch line;
    Number(line, x1);
    line += ' ';
    Number(line, y1);
    line += " m ";
    Number(line, x2);
    line += ' ';
    Number(line, y2);
    line += " l\n";
    line.AppendTo(Content);
}

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
    SetFill(Qt::black);
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

void PdfDocument::Finish()
{
    EndPage();
    StopWriter();

    QByteArray fontList;
    for (const auto& font : Fonts) {
        WriteFont(*font);
        fontList += font->Resource + ' ' + QByteArray::number(font->Object) + " 0 R ";
    }

    const int resources = NewObject();
    WriteObject(resources,
                "<< /Font << " + fontList + ">> /ExtGState << /GS0 << /SA true >> >> /ProcSet [/PDF /Text] >>");
    QByteArray mediaBox = "[0 0 " + QByteArray::number(Page.PagePoints.width()) + ' ' +
                          QByteArray::number(Page.PagePoints.height()) + ']';
    for (const auto& [page, contents] : Pages)
        WriteObject(page, "<< /Type /Page /Parent " + QByteArray::number(PagesObject) + " 0 R /MediaBox " + mediaBox +
                              " /Resources " + QByteArray::number(resources) + " 0 R /Contents " +
                              QByteArray::number(contents) + " 0 R >>");
    // The page tree and the index are written piece by piece: on a long job they are the
    // largest things the writer holds, and memory stays the same whatever the length.
    BeginObject(PagesObject);
    Write("<< /Type /Pages /Kids [");
    for (const auto& [page, contents] : Pages)
        Write(QByteArray::number(page) + " 0 R ");
    Write("] /Count " + QByteArray::number(qsizetype(Pages.size())) + " >>\nendobj\n");
    WriteObject(1, "<< /Type /Catalog /Pages " + QByteArray::number(PagesObject) + " 0 R >>");

    const qint64 index = Position;
    Write("xref\n0 " + QByteArray::number(LastObject + 1) + "\n0000000000 65535 f \n");
    Offsets.resize(size_t(LastObject) + 1, -1);
    for (int id = 1; id <= LastObject; ++id) {
        char line[32];
        std::snprintf(line, sizeof line, "%010lld 00000 n \n", static_cast<long long>(std::max<qint64>(0, Offsets[size_t(id)])));
        Write(QByteArray(line, 20));
    }
    Write("trailer\n<< /Size " + QByteArray::number(LastObject + 1) + " /Root 1 0 R /Info 2 0 R >>\nstartxref\n" +
          QByteArray::number(index) + "\n%%EOF\n");
    Flush();
}
