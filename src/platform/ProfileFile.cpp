#include "platform/ProfileFile.h"
#include "platform/IntegerConversion.h"
#include "platform/PlatformError.h"
#include "platform/TextEncoding.h"
#include "platform/TextFile.h"

#include <QFileInfo>
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

// One line of the file: its raw bytes (terminator included) and its decoded text.
struct Line {
    QByteArray Raw;
    QString Text;
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

std::vector<Line> SplitLines(const QByteArray& bytes, TextCodec codec)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < n)
            next += (bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n') ? 2 : 1;
        lines.push_back({bytes.mid(start, next - start), DecodeText(bytes.constData() + start, end - start, codec)});
        start = next;
    }
    return lines;
}

std::optional<QByteArray> ReadBytes(const QString& path)
{
    try {
        return TextFile::ReadAll(path);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
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
        const auto lines = SplitLines(*bytes, DetectCodec(*bytes));
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

void ProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QString unable = QStringLiteral("Unable to write to %1").arg(QFileInfo(Path).absoluteFilePath());
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
    TextCodec codec = DetectCodec(bytes);
    auto lines = SplitLines(bytes, codec);

    const QString wantSection = TrimSpaces(section);
    const QString wantKey = TrimSpaces(key);
    const QString encoded = Encode(value);

    // A file in the other system's code page stays in it, unless the new text has a
    // character that code page lacks: then the whole file becomes UTF-8, since a file in
    // two encodings would read back wrong.
    if (!Fits(wantSection + wantKey + encoded, codec)) {
        codec = TextCodec::Utf8;
        for (Line& line : lines) {
            qsizetype body = line.Raw.size();
            while (body > 0 && (line.Raw[body - 1] == '\n' || line.Raw[body - 1] == '\r'))
                --body;
            line.Raw = line.Text.toUtf8() + line.Raw.mid(body);
        }
    }

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

    auto makeLine = [&](const QString& text) { return EncodeText(text, codec) + "\r\n"; };
    auto ensureTerminated = [&](size_t i) {
        if (!lines[i].Raw.endsWith('\n') && !lines[i].Raw.endsWith('\r'))
            lines[i].Raw += "\r\n";
    };

    if (keyLine) {
        lines[*keyLine].Raw = makeLine(keySpelling + u'=' + encoded);
    } else if (sectionLine) {
        const size_t after = lastKeyLine.value_or(*sectionLine);
        ensureTerminated(after);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after + 1),
                     Line{makeLine(wantKey + u'=' + encoded), {}});
    } else {
        if (!lines.empty())
            ensureTerminated(lines.size() - 1);
        lines.push_back({makeLine(u'[' + wantSection + u']'), {}});
        lines.push_back({makeLine(wantKey + u'=' + encoded), {}});
    }

    QByteArray out;
    for (const Line& line : lines)
        out += line.Raw;
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
