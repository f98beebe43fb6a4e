// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/FontCatalog.h"
#include "platform/FaceMap.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <algorithm>

namespace {

struct Alias {
    QString Name;
    QStringList CompatibleFaces;
};

const QList<Alias>& Aliases()
{
    static const QList<Alias> aliases = {
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}},
        {QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")}},
        {QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")}},
    };
    return aliases;
}

// The installed face a name stands for: itself when installed, or the metric-compatible
// face the font configuration substitutes for it.
QString ResolvedFamily(const QString& name)
{
    const QStringList families = PlainFamilies();
    if (families.contains(name))
        return name;
    for (const Alias& alias : Aliases()) {
        if (alias.Name != name)
            continue;
        const QString mapped = QFontInfo(QFont(name)).family();
        if (alias.CompatibleFaces.contains(mapped) && families.contains(mapped))
            return mapped;
    }
    return {};
}

FontKind KindOf(const QString& family)
{
    return QFontDatabase::isSmoothlyScalable(family) ? FontKind::TrueType : FontKind::Device;
}

} // namespace

QList<FontFamily> InstalledFamilies()
{
    QList<FontFamily> list;
    QStringList seen;
    auto add = [&](const QString& name, const QString& face) {
        if (name.isEmpty() || seen.contains(name))
            return;
        seen << name;
        list.append({name, KindOf(face)});
    };
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family))
            add(FamilyWithoutFoundry(family), FamilyWithoutFoundry(family));
    for (const Alias& alias : Aliases())
        if (const QString face = ResolvedFamily(alias.Name); !face.isEmpty())
            add(alias.Name, face);
    std::sort(list.begin(), list.end(), [](const FontFamily& a, const FontFamily& b) {
        const int folded = a.Name.compare(b.Name, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.Name < b.Name;
    });
    return list;
}

QStringList FontSizesFor(const QString& face)
{
    const QString family = ResolvedFamily(face);
    if (family.isEmpty())
        return {};
    if (QFontDatabase::isSmoothlyScalable(family))
        return ScalableSizes;
    QList<int> sizes = QFontDatabase::pointSizes(family);
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    QStringList texts;
    for (int size : sizes)
        texts << QString::number(size);
    return texts;
}
