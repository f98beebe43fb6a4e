// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/Patterns.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <set>
#include <string>

namespace {

struct Shape {
    const char* Key;
    const char* Name;
    bool AnyWayRound;
    const char* Rows; // 25 cells, X covered
};

// Shapes halls play on 5 x 5 cards; the centre is the free space on most cards.
constexpr Shape Shapes[] = {
    {"postage-stamp", QT_TRANSLATE_NOOP("Patterns", "Postage stamp"), true, "XX...XX.................."},
    {"small-frame", QT_TRANSLATE_NOOP("Patterns", "Small frame"), false, "......XXX..X.X..XXX......"},
    {"large-frame", QT_TRANSLATE_NOOP("Patterns", "Large frame"), false, "XXXXXX...XX...XX...XXXXXX"},
    {"block-of-nine", QT_TRANSLATE_NOOP("Patterns", "Block of nine"), false, "......XXX..XXX..XXX......"},
    {"plus", QT_TRANSLATE_NOOP("Patterns", "Plus sign"), false, "..X....X..XXXXX..X....X.."},
    {"diamond", QT_TRANSLATE_NOOP("Patterns", "Diamond"), false, "..X...X.X.X...X.X.X...X.."},
    {"letter-t", QT_TRANSLATE_NOOP("Patterns", "Letter T"), false, "XXXXX..X....X....X....X.."},
    {"crazy-t", QT_TRANSLATE_NOOP("Patterns", "Crazy T"), true, "XXXXX..X....X....X....X.."},
    {"letter-l", QT_TRANSLATE_NOOP("Patterns", "Letter L"), false, "X....X....X....X....XXXXX"},
    {"crazy-l", QT_TRANSLATE_NOOP("Patterns", "Crazy L"), true, "X....X....X....X....XXXXX"},
    {"letter-h", QT_TRANSLATE_NOOP("Patterns", "Letter H"), false, "X...XX...XXXXXXX...XX...X"},
    {"letter-e", QT_TRANSLATE_NOOP("Patterns", "Letter E"), false, "XXXXXX....XXXXXX....XXXXX"},
    {"letter-c", QT_TRANSLATE_NOOP("Patterns", "Letter C"), false, "XXXXXX....X....X....XXXXX"},
    {"letter-u", QT_TRANSLATE_NOOP("Patterns", "Letter U"), false, "X...XX...XX...XX...XXXXXX"},
    {"letter-z", QT_TRANSLATE_NOOP("Patterns", "Letter Z"), false, "XXXXX...X...X...X...XXXXX"},
    {"letter-n", QT_TRANSLATE_NOOP("Patterns", "Letter N"), false, "X...XXX..XX.X.XX..XXX...X"},
    {"letter-i", QT_TRANSLATE_NOOP("Patterns", "Letter I"), false, "XXXXX..X....X....X..XXXXX"},
    {"letter-p", QT_TRANSLATE_NOOP("Patterns", "Letter P"), false, "XXXX.X...XXXXX.X....X...."},
    {"letter-y", QT_TRANSLATE_NOOP("Patterns", "Letter Y"), false, "X...X.X.X...X....X....X.."},
    {"number-7", QT_TRANSLATE_NOOP("Patterns", "Number 7"), false, "XXXXX...X...X...X...X...."},
    {"arrow", QT_TRANSLATE_NOOP("Patterns", "Arrow"), true, "..X...XXX.X.X.X..X....X.."},
    {"heart", QT_TRANSLATE_NOOP("Patterns", "Heart"), false, ".X.X.XXXXXXXXXX.XXX...X.."},
    {"kite", QT_TRANSLATE_NOOP("Patterns", "Kite"), true, "XX...XX.....X.....X.....X"},
    {"pyramid", QT_TRANSLATE_NOOP("Patterns", "Pyramid"), false, "............X...XXX.XXXXX"},
    {"six-pack", QT_TRANSLATE_NOOP("Patterns", "Six pack"), true, "XXX..XXX................."},
    {"railroad-tracks", QT_TRANSLATE_NOOP("Patterns", "Railroad tracks"), false, ".X.X..X.X..X.X..X.X..X.X."},
    {"top-and-bottom", QT_TRANSLATE_NOOP("Patterns", "Top and bottom lines"), false, "XXXXX...............XXXXX"},
    {"checkerboard", QT_TRANSLATE_NOOP("Patterns", "Checkerboard"), false, "X.X.X.X.X.X.X.X.X.X.X.X.X"},
    {"sputnik", QT_TRANSLATE_NOOP("Patterns", "Sputnik"), false, "X...X.XXX..XXX..XXX.X...X"},
};

static_assert(std::all_of(std::begin(Shapes), std::end(Shapes),
                          [](const Shape& s) { return std::char_traits<char>::length(s.Rows) == 25; }));

std::vector<Pattern> MakeLibrary()
{
    std::vector<Pattern> library;
    const std::pair<WinPattern, const char*> classics[] = {
        {WinPattern::AnyLine, "line"}, {WinPattern::FourCorners, "corners"}, {WinPattern::X, "x"}, {WinPattern::FullCard, "full"}};
    for (const auto& [classic, key] : classics) {
        Pattern p;
        p.Key = QString::fromLatin1(key);
        p.Name = PatternName(classic);
        p.Classic = classic;
        library.push_back(p);
    }
    for (const Shape& shape : Shapes) {
        Pattern p;
        p.Key = QString::fromLatin1(shape.Key);
        p.Name = QCoreApplication::translate("Patterns", shape.Name);
        p.Side = 5;
        p.AnyWayRound = shape.AnyWayRound;
        for (int i = 0; i < 25; ++i)
            p.Cells.push_back(shape.Rows[i] == 'X');
        library.push_back(p);
    }
    return library;
}

std::vector<int> Covered(const std::vector<bool>& cells)
{
    std::vector<int> covered;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i)
        if (cells[i])
            covered.push_back(i);
    return covered;
}

std::vector<bool> Turned(const std::vector<bool>& cells, int side)
{
    std::vector<bool> turned(cells.size());
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            turned[c * side + (side - 1 - r)] = cells[r * side + c];
    return turned;
}

std::vector<bool> Mirrored(const std::vector<bool>& cells, int side)
{
    std::vector<bool> mirrored(cells.size());
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            mirrored[r * side + (side - 1 - c)] = cells[r * side + c];
    return mirrored;
}

bool Covers(QChar ch)
{
    return ch == u'X' || ch == u'x' || ch == u'#' || ch == u'1';
}

bool Leaves(QChar ch)
{
    return ch == u'.' || ch == u'-' || ch == u'0' || ch == u'o' || ch == u'O';
}

bool IsRow(const QString& line)
{
    return !line.isEmpty() && std::all_of(line.begin(), line.end(), [](QChar ch) { return Covers(ch) || Leaves(ch); });
}

} // namespace

const std::vector<Pattern>& PatternLibrary()
{
    // Made per call to the translator's language: the names are said in it.
    thread_local std::vector<Pattern> library;
    thread_local QString madeIn;
    const QString language = QCoreApplication::translate("Patterns", "Postage stamp");
    if (library.empty() || madeIn != language) {
        library = MakeLibrary();
        madeIn = language;
    }
    return library;
}

bool LibraryHasName(const QString& name)
{
    return std::any_of(PatternLibrary().begin(), PatternLibrary().end(), [&](const Pattern& p) {
        return p.Key.compare(name, Qt::CaseInsensitive) == 0 || p.Name.compare(name, Qt::CaseInsensitive) == 0;
    });
}

const Pattern& ClassicPattern(WinPattern pattern)
{
    return PatternLibrary()[static_cast<std::size_t>(pattern)];
}

const Pattern* FindPattern(const QString& key, const std::vector<Pattern>& own)
{
    for (const Pattern& p : PatternLibrary())
        if (p.Key.compare(key, Qt::CaseInsensitive) == 0)
            return &p;
    for (const Pattern& p : own)
        if (p.Key.compare(key, Qt::CaseInsensitive) == 0)
            return &p;
    // The name as shown ("Postage stamp"), for a host who types what the program says.
    for (const Pattern& p : PatternLibrary())
        if (p.Name.compare(key, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

std::vector<const Pattern*> PatternsFor(int side, const std::vector<Pattern>& own)
{
    std::vector<const Pattern*> fit;
    for (const Pattern& p : PatternLibrary())
        if (side == 0 || p.PlaysOn(side))
            fit.push_back(&p);
    for (const Pattern& p : own)
        if (side == 0 || p.PlaysOn(side))
            fit.push_back(&p);
    return fit;
}

std::vector<bool> Pattern::Drawn(int side) const
{
    if (!Classic)
        return Cells;
    std::vector<bool> drawn(static_cast<std::size_t>(side * side));
    for (int i = 0; i < side; ++i) {
        switch (*Classic) {
        case WinPattern::AnyLine: drawn[(side / 2) * side + i] = true; break;
        case WinPattern::X: drawn[i * side + i] = drawn[i * side + side - 1 - i] = true; break;
        case WinPattern::FullCard: std::fill(drawn.begin(), drawn.end(), true); break;
        case WinPattern::FourCorners: drawn[0] = drawn[side - 1] = drawn[side * (side - 1)] = drawn[side * side - 1] = true; break;
        }
    }
    return drawn;
}

std::vector<std::vector<int>> Pattern::WaysRound() const
{
    std::vector<std::vector<int>> ways{Covered(Cells)};
    if (!AnyWayRound)
        return ways;
    std::set<std::vector<int>> seen{ways.front()};
    std::vector<bool> turned = Cells;
    for (int mirror = 0; mirror < 2; ++mirror) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            if (seen.insert(Covered(turned)).second)
                ways.push_back(Covered(turned));
            turned = Turned(turned, Side);
        }
        turned = Mirrored(Cells, Side);
    }
    return ways;
}

Verdict CheckFor(const std::vector<bool>& marked, int side, const Pattern& pattern, const QStringList& headingLetters)
{
    if (pattern.Classic)
        return CheckPattern(marked, side, *pattern.Classic, headingLetters);
    const auto missingFor = [&](int count) {
        return QCoreApplication::translate("WinPatterns", "No bingo yet: %1 %2 missing for %3")
            .arg(count)
            .arg(count == 1 ? QCoreApplication::translate("WinPatterns", "word") : QCoreApplication::translate("WinPatterns", "words"),
                 pattern.Name);
    };
    if (!pattern.PlaysOn(side) || static_cast<int>(marked.size()) != side * side)
        return {false, QCoreApplication::translate("Patterns", "%1 is drawn for cards of %2 x %2").arg(pattern.Name).arg(pattern.Side), side * side, {}, {}};
    int best = side * side;
    for (const std::vector<int>& cells : pattern.WaysRound()) {
        int missing = 0;
        for (int c : cells)
            missing += marked[c] ? 0 : 1;
        if (missing == 0)
            return {true, QCoreApplication::translate("WinPatterns", "Bingo: %1").arg(pattern.Name), 0, cells, pattern.Name};
        best = std::min(best, missing);
    }
    return {false, missingFor(best), best, {}, {}};
}

std::vector<int> ColumnsUnused(const Pattern& pattern, int side)
{
    std::vector<bool> used(static_cast<std::size_t>(side));
    if (pattern.Classic) {
        if (*pattern.Classic != WinPattern::FourCorners && *pattern.Classic != WinPattern::X)
            return {};
        const std::vector<bool> drawn = pattern.Drawn(side);
        for (int i = 0; i < side * side; ++i)
            used[i % side] = used[i % side] || drawn[i];
    } else if (pattern.PlaysOn(side)) {
        for (const std::vector<int>& cells : pattern.WaysRound())
            for (int c : cells)
                used[c % side] = true;
    } else {
        return {};
    }
    std::vector<int> unused;
    for (int c = 0; c < side; ++c)
        if (!used[c])
            unused.push_back(c);
    return unused;
}

QString PatternProblem(const Pattern& pattern)
{
    if (pattern.Name.trimmed().isEmpty())
        return QCoreApplication::translate("Patterns", "The pattern has no name.");
    if (pattern.Side != 3 && pattern.Side != 5 && pattern.Side != 7)
        return QCoreApplication::translate("Patterns", "A pattern is drawn on 3, 5 or 7 rows of as many cells.");
    if (static_cast<int>(pattern.Cells.size()) != pattern.Side * pattern.Side ||
        std::none_of(pattern.Cells.begin(), pattern.Cells.end(), [](bool b) { return b; }))
        return QCoreApplication::translate("Patterns", "The pattern covers no cell.");
    if (pattern.Name.size() > 60)
        return QCoreApplication::translate("Patterns", "The name is longer than 60 characters.");
    return {};
}

PatternFile ReadPatterns(const QByteArray& text)
{
    PatternFile file;
    QStringList block;
    int count = 0;
    const auto finish = [&] {
        if (block.isEmpty())
            return;
        ++count;
        Pattern p;
        p.Own = true;
        p.Name = p.Key = block.takeFirst().trimmed();
        if (!block.isEmpty() && block.front().trimmed().compare(QStringLiteral("any way round"), Qt::CaseInsensitive) == 0) {
            p.AnyWayRound = true;
            block.removeFirst();
        }
        QString problem;
        p.Side = static_cast<int>(block.size());
        for (const QString& row : std::as_const(block)) {
            if (!IsRow(row)) {
                problem = QCoreApplication::translate("Patterns", "a row holds something other than X and .");
                break;
            }
            if (row.size() != p.Side) {
                problem = QCoreApplication::translate("Patterns", "the rows are not all %1 long").arg(p.Side);
                break;
            }
            for (QChar ch : row)
                p.Cells.push_back(Covers(ch));
        }
        if (problem.isEmpty())
            problem = PatternProblem(p);
        if (problem.isEmpty() && (LibraryHasName(p.Name) || std::any_of(file.Patterns.begin(), file.Patterns.end(), [&](const Pattern& q) {
                                      return q.Key.compare(p.Key, Qt::CaseInsensitive) == 0;
                                  })))
            problem = QCoreApplication::translate("Patterns", "another pattern has this name");
        if (problem.isEmpty())
            file.Patterns.push_back(p);
        else
            file.Problems << QCoreApplication::translate("Patterns", "Pattern %1 (%2): %3").arg(count).arg(p.Name.left(60), problem);
        block.clear();
    };
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty())
            finish();
        else if (!(block.isEmpty() && line.startsWith(u'#')))
            block << line;
    }
    finish();
    return file;
}

QByteArray WritePatterns(const std::vector<Pattern>& patterns)
{
    QString text = QStringLiteral("# Plumwick: the host's own patterns\n");
    for (const Pattern& p : patterns) {
        text += u'\n' + p.Name + u'\n';
        if (p.AnyWayRound)
            text += QStringLiteral("any way round\n");
        for (int r = 0; r < p.Side; ++r) {
            for (int c = 0; c < p.Side; ++c)
                text += p.Cells[r * p.Side + c] ? u'X' : u'.';
            text += u'\n';
        }
    }
    return text.toUtf8();
}
