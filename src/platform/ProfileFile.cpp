// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ProfileFile.h"
#include "platform/IntegerConversion.h"
#include "platform/PlatformError.h"
#include "platform/TextEncoding.h"
#include "platform/TextFile.h"

#include <QFileInfo>
#include <QCoreApplication>
#include <optional>
#include <vector>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v';
}

QString TrimBlanks(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

QString TrimSpaces(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

bool HasOuterQuotes(const QString& s)
{
    return s.size() >= 2 && (s.front() == u'"' || s.front() == u'\'') && s.back() == s.front();
}

// One line of the file: its bytes in the file's encoding (terminator included), its
// decoded text and whether it ends in a line break.
struct Line {
    QByteArray Raw;
    QString Text;
    bool Terminated = false;
};

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind What = Kind::Other;
    QString Name; // section or key name, trimmed
    QString Value;
};

Parsed Parse(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && text[i] == u'[') {
        const qsizetype close = text.indexOf(u']', i + 1);
        const QString inside = close < 0 ? text.mid(i + 1) : text.mid(i + 1, close - i - 1);
        return {Kind::Section, TrimBlanks(inside), {}};
    }
    if (i < text.size() && text[i] == u';')
        return {};
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return {};
    return {Kind::Key, TrimBlanks(text.left(equals)), text.mid(equals + 1)};
}

// The file's lines, after its byte-order mark. A file in an 8-bit encoding is split on its
// bytes, so that every line is kept exactly; a UTF-16 file on its characters.
struct Document {
    TextFormat Format;
    std::vector<Line> Lines;
};

template <class Text, class Decode>
std::vector<Line> SplitLines(const Text& all, Decode decode)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    const qsizetype n = all.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && all[end] != '\n' && all[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < n)
            next += (all[end] == '\r' && end + 1 < n && all[end + 1] == '\n') ? 2 : 1;
        lines.push_back(decode(all, start, end, next));
        start = next;
    }
    return lines;
}

Document Load(const QByteArray& bytes)
{
    Document doc;
    doc.Format = DetectFormat(bytes);
    const TextCodec codec = doc.Format.Codec;
    if (codec == TextCodec::Utf16Le || codec == TextCodec::Utf16Be) {
        doc.Lines = SplitLines(DecodeFile(bytes, doc.Format), [&](const QString& all, qsizetype start, qsizetype end, qsizetype next) {
            return Line{EncodeText(all.mid(start, next - start), codec), all.mid(start, end - start), next > end};
        });
        return doc;
    }
    const QByteArray body = bytes.mid(ByteOrderMark(doc.Format).size());
    doc.Lines = SplitLines(body, [&](const QByteArray& all, qsizetype start, qsizetype end, qsizetype next) {
        return Line{all.mid(start, next - start), DecodeText(all.constData() + start, end - start, codec), next > end};
    });
    return doc;
}

// Turns a file in the Windows code page into UTF-8, line by line, terminators kept.
void ConvertToUtf8(Document& doc)
{
    for (Line& line : doc.Lines) {
        qsizetype body = line.Raw.size();
        while (body > 0 && (line.Raw[body - 1] == '\n' || line.Raw[body - 1] == '\r'))
            --body;
        line.Raw = line.Text.toUtf8() + line.Raw.mid(body);
    }
    doc.Format = {TextCodec::Utf8, false};
}

QByteArray Join(const Document& doc)
{
    QByteArray out = ByteOrderMark(doc.Format);
    for (const Line& line : doc.Lines)
        out += line.Raw;
    return out;
}

std::optional<QByteArray> ReadBytes(const QString& path)
{
    try {
        return TextFile::ReadAll(path);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
}

bool IsAscii(const QByteArray& bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

QString Unquote(const QString& raw)
{
    QString value = TrimBlanks(raw);
    if (HasOuterQuotes(value))
        value = value.mid(1, value.size() - 2);
    return value;
}

QString Encode(const QString& value)
{
    QString v = value;
    v.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    if (!v.isEmpty() && (IsBlank(v.front()) || IsBlank(v.back()) || HasOuterQuotes(v)))
        v = u'"' + v + u'"';
    return v;
}

} // namespace

QString ProfileFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    QString result;
    bool found = false;
    if (const auto bytes = ReadBytes(Path)) {
        const QString wantSection = TrimSpaces(section);
        const QString wantKey = TrimSpaces(key);
        const auto lines = Load(*bytes).Lines;
        bool inSection = false;
        bool sectionSeen = false;
        for (const Line& line : lines) {
            const Parsed p = Parse(line.Text);
            if (p.What == Kind::Section) {
                if (inSection)
                    break; // only the first section of a name is searched
                inSection = !sectionSeen && p.Name.compare(wantSection, Qt::CaseInsensitive) == 0;
                sectionSeen = sectionSeen || inSection;
            } else if (inSection && p.What == Kind::Key && p.Name.compare(wantKey, Qt::CaseInsensitive) == 0) {
                result = Unquote(p.Value);
                found = true;
                break;
            }
        }
    }
    if (!found) {
        result = defaultValue;
        while (result.endsWith(u' '))
            result.chop(1);
    }
    return result.left(MaxValueLength);
}

int ProfileFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    return TryStrToInt(ReadString(section, key, QString())).value_or(defaultValue);
}

bool ProfileFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

namespace {

// Sets one key of the document, as a write of that key alone would.
void SetKey(Document& doc, const QString& section, const QString& key, const QString& value)
{
    auto& lines = doc.Lines;
    const QString wantSection = TrimSpaces(section);
    const QString wantKey = TrimSpaces(key);
    const QString encoded = Encode(value);

    // A file in the other system's code page stays in it, unless the new text has a
    // character that code page lacks: then the whole file becomes UTF-8, since a file in
    // two encodings would read back wrong.
    if (!Fits(wantSection + wantKey + encoded, doc.Format.Codec))
        ConvertToUtf8(doc);

    std::optional<size_t> sectionLine;
    std::optional<size_t> lastKeyLine;
    std::optional<size_t> keyLine;
    QString keySpelling = wantKey;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Parsed p = Parse(lines[i].Text);
        if (p.What == Kind::Section) {
            if (sectionLine)
                break;
            if (p.Name.compare(wantSection, Qt::CaseInsensitive) == 0)
                sectionLine = i;
        } else if (sectionLine && p.What == Kind::Key) {
            lastKeyLine = i;
            if (p.Name.compare(wantKey, Qt::CaseInsensitive) == 0) {
                keyLine = i;
                keySpelling = p.Name;
                break;
            }
        }
    }

    const TextCodec codec = doc.Format.Codec;
    auto makeLine = [&](const QString& text) { return Line{EncodeText(text + QStringLiteral("\r\n"), codec), text, true}; };
    auto ensureTerminated = [&](size_t i) {
        if (!lines[i].Terminated)
            lines[i].Raw += EncodeText(QStringLiteral("\r\n"), codec);
        lines[i].Terminated = true;
    };

    if (keyLine) {
        lines[*keyLine] = makeLine(keySpelling + u'=' + encoded);
    } else if (sectionLine) {
        const size_t after = lastKeyLine.value_or(*sectionLine);
        ensureTerminated(after);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after + 1),
                     makeLine(wantKey + u'=' + encoded));
    } else {
        if (!lines.empty())
            ensureTerminated(lines.size() - 1);
        lines.push_back(makeLine(u'[' + wantSection + u']'));
        lines.push_back(makeLine(wantKey + u'=' + encoded));
    }
}

} // namespace

void ProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    WriteStrings(section, {{key, value}});
}

void ProfileFile::WriteStrings(const QString& section, const QList<std::pair<QString, QString>>& values)
{
    const QString unable = QCoreApplication::translate("ProfileFile", "Unable to write to %1").arg(QFileInfo(Path).absoluteFilePath());
    if (Path.isEmpty() || !QFileInfo(QFileInfo(Path).absolutePath()).isDir())
        throw PlatformError(unable);

    QByteArray bytes;
    if (QFileInfo::exists(Path)) {
        try {
            bytes = TextFile::ReadAll(Path);
        } catch (const PlatformError&) {
            throw PlatformError(unable);
        }
    }
    Document doc = Load(bytes);
    const TextCodec was = doc.Format.Codec;
    for (const auto& [key, value] : values)
        SetKey(doc, section, key, value);

    QByteArray out = Join(doc);
    // Code-page bytes that happen to form valid UTF-8 would be read back as UTF-8, and
    // change their meaning: such a file is written as UTF-8 instead.
    if (was == TextCodec::Windows1252 && doc.Format.Codec == was && DetectCodec(out) == TextCodec::Utf8 && !IsAscii(out)) {
        ConvertToUtf8(doc);
        out = Join(doc);
    }
    try {
        TextFile::WriteAll(Path, out);
    } catch (const PlatformError&) {
        throw PlatformError(unable);
    }
}

void ProfileFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void ProfileFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
