// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Cells and the call list find a text's size from a measurement or two; they must land on
// exactly the size that shrinking one point at a time lands on, with the real fonts, on
// paper and on the screen.
#include "output/CellText.h"
#include "output/PrintJob.h"
#include "output/QtSurface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

int ShrunkOnePointAtATime(Surface& canvas, const QString& word, int columnWidth, int start, int margin = 2)
{
    canvas.SetFontSize(start);
    while (canvas.TextWidth(word) > columnWidth - margin * canvas.TextWidth(QStringLiteral("M")) &&
           ShrinkFont(canvas)) {
    }
    return canvas.FontSize();
}

} // namespace

TEST(CallListFit, SameSizeAsShrinkingPointByPoint)
{
    const QStringList words = {"x", "iiiiiiiiiiiiiiiiiiii", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMM", "Giraffe",
                               "A rather long phrase for a call list", "W", "lllll lllll", "\u00c9t\u00e9 \u2603"};
    for (const int dpi : {96, 600})
        for (const char* face : {"Liberation Sans", "DejaVu Serif", "Comic Neue"}) {
            QtSurface canvas(dpi, Qt::white);
            canvas.SetFont(face, 20, true);
            for (const QString& word : words)
                for (int start : {1, 2, 8, 20, 72, 300})
                    for (int columnWidth : {-50, 0, 1, 40, 333, 1000, 4800}) {
                        const int expected = ShrunkOnePointAtATime(canvas, word, columnWidth, start);
                        EXPECT_EQ(CallListSize(canvas, word, columnWidth, start), expected)
                            << dpi << " " << face << " '" << word.toStdString() << "' from " << start << " in "
                            << columnWidth;
                        // A cell on the sample card keeps one "M" free, on paper two.
                        const int expectedCell = ShrunkOnePointAtATime(canvas, word, columnWidth, start, 1);
                        canvas.SetFontSize(start);
                        EXPECT_EQ(ShrunkSize(canvas, columnWidth,
                                             [&] {
                                                 return canvas.TextWidth(word) +
                                                        canvas.TextWidth(QStringLiteral("M"));
                                             }),
                                  expectedCell)
                            << dpi << " " << face << " '" << word.toStdString() << "' from " << start;
                        EXPECT_EQ(canvas.FontSize(), expectedCell);
                    }
        }
}
