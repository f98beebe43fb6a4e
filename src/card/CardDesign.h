// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QColor>
#include <QString>

#include <vector>

// A card's look beyond its words: a title above the card, a line under it, its colours and a
// logo in the free space. The default is the plain card (black on white, nothing added),
// drawn exactly as before designs.
struct CardDesign {
    QString Title;
    QString Footer;
    // An invalid colour is the plain card's: black for lines and text, no fill.
    QColor Grid;
    QColor Band;     // the heading row's fill
    QColor BandText; // the heading letters
    QColor Text;     // the words, the free space's text, the title and the footer
    QColor FreeSpace;
    QColor Tint;     // behind every cell
    QString Logo;    // a picture file drawn in the free space (empty: none)

    bool IsPlain() const { return *this == CardDesign(); }
    // Anything other than black, white and the plain fills: a file of it is written in colour.
    bool HasColour() const;
    bool operator==(const CardDesign&) const = default;

    // What each part is drawn in, the plain card's where nothing is chosen.
    QColor GridInk() const { return Grid.isValid() ? Grid : QColor(Qt::black); }
    QColor TextInk() const { return Text.isValid() ? Text : QColor(Qt::black); }
    QColor BandInk() const { return BandText.isValid() ? BandText : TextInk(); }
    QColor CellGround() const { return Tint.isValid() ? Tint : QColor(Qt::white); }
    QColor BandGround() const { return Band.isValid() ? Band : CellGround(); }
    QColor FreeGround() const { return FreeSpace.isValid() ? FreeSpace : CellGround(); }
};

// The contrast of two colours as the web's accessibility guidelines measure it, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);
// Text under this on its ground is hard to read.
inline constexpr double MinimumContrast = 4.5;

// A text of the design on a ground it is hard to read on.
struct LowContrast {
    enum Part { Words, Heading, FreeSpace, TitleAndFooter } What;
    QColor Ink;
    QColor Ground;
    double Ratio;
};
std::vector<LowContrast> LowContrasts(const CardDesign& design);

// "#rrggbb", and back (empty or unreadable: an invalid colour).
QString ColourName(const QColor& colour);
QColor ColourFromName(const QString& name);
