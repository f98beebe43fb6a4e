#pragma once
#include <QString>

class Surface;

// Fits one text into one box of a card and draws it there, centred: on one line when it
// fits; otherwise, with word wrap on and a blank in the text, on the two most balanced
// lines; otherwise on one line in a smaller font. The font shrinks one point at a time,
// never below 1 point, and is set back to its size on entry before returning.
//
// `margin` is how many widths of "M" must stay free across the box (and heights of "M"
// for two lines): 1 on the sample card, 2 on paper.
void FitCellText(Surface& surface, int left, int top, int width, int height, const QString& text,
                 bool wordWrap, int margin);

// Lowers the font by one point (sizes above MaxFontPoints all look alike, so from there it
// drops straight to the largest distinct size). Returns false at 1 point, where it stops.
bool ShrinkFont(Surface& surface);

struct TwoLines {
    QString First;
    QString Second;
};

// The most balanced split of a text at one of its blanks (of equal ones, the later);
// the whole text over an empty line takes part too.
TwoLines BalancedSplit(Surface& surface, const QString& text);
