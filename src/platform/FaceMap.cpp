// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/FaceMap.h"

#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QFontInfo>
#include <QHash>
#include <QMutex>

namespace {

struct Substitute {
    const char* Windows;
    const char* Here;
};

constexpr Substitute Substitutes[] = {
    {"Arial", "Liberation Sans"},          {"Helvetica", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},    {"Comic Sans MS", "Comic Neue"},  {"Verdana", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},             {"Segoe UI", "DejaVu Sans"},
};

QString Installed(const QStringList& families, const QString& name)
{
    for (const QString& family : families)
        if (family.compare(name, Qt::CaseInsensitive) == 0)
            return family;
    return {};
}

QString Resolve(const QString& face)
{
    const QStringList families = PlainFamilies();
    if (const QString found = Installed(families, face); !found.isEmpty())
        return found;
    for (const Substitute& s : Substitutes)
        if (face.compare(QLatin1String(s.Windows), Qt::CaseInsensitive) == 0)
            if (const QString found = Installed(families, QLatin1String(s.Here)); !found.isEmpty())
                return found;
    if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) != 0)
        return InstalledFace(QStringLiteral("Arial"));
    return QFontInfo(QFont(face)).family(); // no Liberation Sans: the configuration's Arial
}

} // namespace

QString FamilyWithoutFoundry(const QString& family)
{
    const qsizetype tag = family.lastIndexOf(QStringLiteral(" ["));
    return tag > 0 && family.endsWith(u']') ? family.left(tag) : family;
}

QStringList PlainFamilies()
{
    QStringList plain;
    for (const QString& family : QFontDatabase::families()) {
        const QString name = FamilyWithoutFoundry(family);
        if (plain.isEmpty() || plain.constLast() != name)
            if (!plain.contains(name))
                plain << name;
    }
    return plain;
}

QString InstalledFace(const QString& face)
{
    // Asked for every font a surface sets; the answer stays the same while we run.
    static QMutex lock;
    static QHash<QString, QString> known;
    {
        QMutexLocker guard(&lock);
        if (const auto it = known.constFind(face); it != known.cend())
            return *it;
    }
    const QString resolved = Resolve(face);
    QMutexLocker guard(&lock);
    known.insert(face, resolved);
    return resolved;
}

namespace {

// The face the system sets Han in (Noto Sans CJK, say), found once: it comes before Symbola,
// which has a few ideographs among its symbols (中) and no bold, so a word of Chinese keeps
// one face.
QString HanFace()
{
    static const QString face = [] {
        QTextLayout layout(QStringLiteral("\u4e2d\u6587"), QFont(QStringLiteral("sans-serif")));
        layout.beginLayout();
        layout.createLine().setLineWidth(1e9);
        layout.endLayout();
        // None where no installed face has Han: then nothing comes before Symbola.
        for (const QGlyphRun& run : layout.glyphRuns())
            if (const QString family = run.rawFont().familyName();
                !family.isEmpty() && family != QStringLiteral("Symbola") && run.rawFont().supportsCharacter(0x4e2d))
                return family;
        return QString();
    }();
    return face;
}

} // namespace

QStringList CardFamilies(const QString& face)
{
    QStringList families{InstalledFace(face)};
    if (const QString han = HanFace(); !han.isEmpty() && han != families.front())
        families << han;
    return families << QStringLiteral("Symbola");
}

namespace {

// What a face says of itself, read from its tables once a face.
struct FaceFacts {
    bool Outlines = true;
    int Weight = 400;
};

FaceFacts FactsOf(const QRawFont& font)
{
    static QMutex lock;
    static QHash<QString, FaceFacts> known;
    const QString key = font.familyName() + u'/' + font.styleName();
    QMutexLocker guard(&lock);
    if (const auto it = known.constFind(key); it != known.cend())
        return *it;
    FaceFacts facts;
    // A table's presence is enough; a colour emoji face has bitmaps (CBDT) and none of these.
    facts.Outlines = !font.fontTable("glyf").isEmpty() || !font.fontTable("CFF ").isEmpty() ||
                     !font.fontTable("CFF2").isEmpty();
    // The OS/2 table's weight class, at its fifth byte.
    const QByteArray os2 = font.fontTable("OS/2");
    if (os2.size() >= 6)
        facts.Weight = (quint8(os2[4]) << 8) | quint8(os2[5]);
    known.insert(key, facts);
    return facts;
}

} // namespace

bool HasOutlines(const QRawFont& font)
{
    return FactsOf(font).Outlines;
}

int FaceWeight(const QRawFont& font)
{
    return FactsOf(font).Weight;
}
