// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "card/CardDesign.h"

#include <QRegularExpression>

#include <cmath>

bool CardDesign::HasColour() const
{
    for (const QColor& colour : {Grid, Band, BandText, Text, FreeSpace, Tint})
        if (colour.isValid() && colour != Qt::black && colour != Qt::white)
            return true;
    return !Logo.isEmpty();
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<LowContrast> LowContrasts(const CardDesign& design)
{
    const struct {
        LowContrast::Part What;
        QColor Ink, Ground;
    } pairs[] = {
        {LowContrast::Words, design.TextInk(), design.CellGround()},
        {LowContrast::Heading, design.BandInk(), design.BandGround()},
        {LowContrast::FreeSpace, design.TextInk(), design.FreeGround()},
        {LowContrast::TitleAndFooter, design.TextInk(), QColor(Qt::white)},
    };
    std::vector<LowContrast> low;
    for (const auto& pair : pairs)
        if (const double ratio = ContrastRatio(pair.Ink, pair.Ground); ratio < MinimumContrast)
            low.push_back({pair.What, pair.Ink, pair.Ground, ratio});
    return low;
}

QString ColourName(const QColor& colour)
{
    return colour.isValid() ? colour.name(QColor::HexRgb) : QString();
}

QColor ColourFromName(const QString& name)
{
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    return hex.match(name.trimmed()).hasMatch() ? QColor::fromString(name.trimmed()) : QColor();
}
