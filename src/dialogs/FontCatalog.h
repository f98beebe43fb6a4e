// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QList>
#include <QStringList>

// The installed font families as the font dialog offers them. Scalable faces count as
// TrueType, bitmap faces as device fonts. The common Windows faces (Arial, Times New
// Roman, Courier New) count as installed where the font configuration maps them to a
// face with the same metrics (Liberation, Croscore), so the card's default "Arial" is there.
enum class FontKind { TrueType, Device };

struct FontFamily {
    QString Name;
    FontKind Kind = FontKind::TrueType;
};

// Sorted alphabetically ignoring case, each name once.
QList<FontFamily> InstalledFamilies();

// The sizes the dialog offers for a face: the 16 usual sizes for a scalable one, the
// sizes it comes in for a bitmap one, none for a face that isn't installed.
QStringList FontSizesFor(const QString& face);
inline const QStringList ScalableSizes = {
    QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
    QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
    QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
    QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};
