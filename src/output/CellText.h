// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QHash>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Surface;

// Fits one text into one box of a card and draws it there, centred: on one line when it
// fits; otherwise, with word wrap on and a blank in the text, on the two most balanced
// lines; otherwise on one line in a smaller font. The font shrinks one point at a time,
// never below 1 point, and is set back to its size on entry before returning.
//
// `margin` is how many widths of "M" must stay free across the box (and heights of "M"
// for two lines): 1 on the sample card, 2 on paper.
void FitCellText(Surface& surface, const QRect& box, const QString& text, bool wordWrap, int margin);

// Where fitting puts a text in its box: one or two lines, each at an offset from the box's
// corner and at a font size.
struct FittedLine {
    int Dx;
    int Dy;
    QString Text;
    int Size;
};
using FittedText = std::vector<FittedLine>;

// The fitting rules without the drawing: measures from the surface's current font and
// leaves its size as it found it.
// A text longer than MaxCellCharacters is fitted as its beginning and an ellipsis: no cell
// shows more legibly, and shaping a line of millions of characters at every size tried would
// take seconds and gigabytes.
FittedText ComputeFit(Surface& surface, int width, int height, const QString& text, bool wordWrap, int margin);
inline constexpr qsizetype MaxCellCharacters = 1000;
void DrawFitted(Surface& surface, int left, int top, const FittedText& fitted);

// Remembers the outcome of fitting per text, box, font and margin. Every card of a job has
// the same boxes and draws the same few texts, so each is measured once; the outcome is
// the one the plain rules give, so drawing from it draws the same.
class CellFitCache {
public:
    void Draw(Surface& surface, int left, int top, int width, int height, const QString& text, bool wordWrap,
              int margin);
    void Clear()
    {
        Outcomes.clear();
        Count = 0;
    }

private:
    // Everything an outcome depends on besides the text: the same for every cell of a job,
    // so it is compared with the last one and the text alone looked up.
    struct Box {
        QString Face;
        int Width;
        int Height;
        int Size;
        int Margin;
        bool WordWrap;
        bool Bold;
        bool operator==(const Box&) const = default;
    };
    std::vector<std::pair<Box, QHash<QString, FittedText>>> Outcomes;
    size_t Last = 0;
    size_t Count = 0;
};


// Lowers the font by one point (sizes above MaxFontPoints all look alike, so from there it
// drops straight to the largest distinct size). Returns false at 1 point, where it stops.
bool ShrinkFont(Surface& surface);

// Where shrinking one point at a time from the surface's size stops: the first size at which
// `needs` (measured at the surface's current size) is no more than `room`, or 1 point.
// Widths grow in proportion to the size, give or take the rounding of each glyph's advance,
// so most sizes are judged from the first measurement and only those near the edge are
// measured: a word that must shrink far costs two or three shapings instead of dozens.
// Leaves the surface at the size it returns.
int ShrunkSize(Surface& surface, long long room, const std::function<long long()>& needs);

struct TwoLines {
    QString First;
    QString Second;
};

// The most balanced split of a text at one of its blanks (of equal ones, the later);
// the whole text over an empty line takes part too.
TwoLines BalancedSplit(Surface& surface, const QString& text);

// "Same Text Size": the size every word of a job is drawn at, and the size the heading
// letters share. Each is the largest size at which every text of its kind fits its box by
// the rules above, starting from the card size (so the least of the sizes each text would
// get on its own). Zero means "fit each text on its own".
struct EvenSizes {
    int Words = 0;
    int Heading = 0;
};

// The least fitted size over the texts (each distinct text measured once), from the
// surface's current font size; the surface's size is left as it was.
int EvenSize(Surface& surface, const QStringList& texts, int width, int height, bool wordWrap, int margin);
