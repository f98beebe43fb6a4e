// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QFont>

class QWidget;

// The fixed-pixel forms (the main window, the font options, the about box) are designed for
// an 8-point sans serif at 96 dpi: 11 pixels. With a larger desktop font they grow by the
// ratio of the two, as a Windows form grows with the system font, so that nothing clips and
// nothing overlaps. Up to 12 pixels (Qt's own 9 points) the forms keep their exact design.
namespace FormScale {

inline constexpr int DesignFontPixels = 11;

// The scale for a desktop font (1.0 up to 12 pixels).
double ForFont(const QFont& desktop);
double Current();
void Set(double scale);

// The windows' font: the design's sans serif at the current scale, for the whole application.
void UseWindowFont();

// A design length at the current scale.
int Px(int design);
// Sizes a label to its text, in design pixels (its text is already at the desktop's size).
void FitLabel(QWidget* label);

// Grows a form laid out at its design geometry: the window's fixed size and every control
// placed by hand (not those inside a layout, nor the inner parts of combo boxes and other
// composite controls).
void Apply(QWidget* window);

// Makes room for texts longer than their design place (the forms in another language): a
// check box grows to its text, up to its parent's edge, and a field labelled on its line
// moves right of its label, keeping its right edge. Where the texts fit, nothing moves.
void FitTexts(QWidget* window);

// A form larger than its screen's free area (a large desktop font, a scale factor, a small
// screen) is shown in a window that fits, its contents scrolling inside: every control stays
// where the form puts it, in the same Tab order, and reachable. A form that fits is left be.
void FitScreen(QWidget* window);

} // namespace FormScale
