// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// An exported card's PNG is drawn without a painter: the same grid and shade to the pixel as
// the painter draws, the same glyphs in the same places (edges smoothed a little otherwise),
// bold made bolder where the face has none, and the same again on the next image.
#include "output/ImageTarget.h"
#include "output/QtSurface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

void DrawCard(Surface& s)
{
    for (int i = 0; i < 4; ++i) {
        s.Line(100 + 300 * i, 100, 100 + 300 * i, 1000);
        s.Line(100, 100 + 300 * i, 1000, 100 + 300 * i);
    }
    s.Shade(401, 401, 299, 299);
    s.SetFont("Liberation Sans", 20, true);
    s.TextOut(160, 200, "B I N");
    s.TextOut(420, 500, "Free");
    s.SetFont("DejaVu Sans", 9, false);
    s.TextOut(130, 760, "Somebody says \"synergy\"");
    s.SetFont("Symbola", 24, true); // no bold of its own: drawn bolder
    s.TextOut(720, 740, QString::fromUtf8("\u2603\u263A"));
}

QImage Blank()
{
    QImage image(1200, 1100, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    return image;
}

QImage Painted()
{
    QImage image = Blank();
    QPainter painter(&image);
    QtSurface surface(300, Qt::white);
    surface.Attach(&painter);
    DrawCard(surface);
    surface.Attach(nullptr);
    return image;
}

QImage Direct(ImageTarget& target)
{
    QImage image = Blank();
    QtSurface surface(300, Qt::white);
    target.Begin(&image, QPoint());
    surface.Attach(&target);
    DrawCard(surface);
    surface.Attach(nullptr);
    return image;
}

} // namespace

TEST(ImageTarget, DrawsAsThePainterDoes)
{
    const QImage painted = Painted();
    ImageTarget target;
    const QImage direct = Direct(target);
    EXPECT_EQ(Direct(target), direct); // from the masks kept

    // Symbola has no bold: the painter fills its large glyphs regular, this target makes them
    // bolder as the PDF does (fill and stroke, a 24th of the em). Elsewhere the same.
    const QRect bolder(701, 701, 299, 299);
    int ink = 0, directInk = 0, differing = 0, boldInk = 0, regularInk = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x) {
            const int a = qGray(painted.pixel(x, y)), b = qGray(direct.pixel(x, y));
            // The grid's lines and the shade's inside, to the pixel (a text's box clears what it covers).
            if (x == 100 || y == 100 || y == 1000 || (x == 400 && y < 700) || (x > 402 && x < 698 && y > 402 && y < 480))
                ASSERT_EQ(a, b) << x << "," << y;
            if (bolder.contains(x, y)) {
                regularInk += 255 - a;
                boldInk += 255 - b;
                continue;
            }
            ink += 255 - a;
            directInk += 255 - b;
            differing += std::abs(a - b) > 100;
        }
    EXPECT_NEAR(directInk, ink, ink / 50);
    EXPECT_LT(differing, 600); // small text is hinted by the painter; a word a pixel off makes thousands
    EXPECT_GT(boldInk, regularInk * 5 / 4);
}
