// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The PNG writer's files read back as the images written: every grey level, rows alike and
// unlike the row above, odd widths, the resolution; an image in colour goes Qt's way.
#include "formats/PngEncoder.h"

#include <QImage>
#include <gtest/gtest.h>
#include <random>

TEST(PngEncoder, ReadsBackAsTheImageWritten)
{
    std::mt19937 engine(11);
    for (const QSize size : {QSize(1, 1), QSize(257, 3), QSize(1001, 77)}) {
        QImage grey(size, QImage::Format_Grayscale8);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                grey.scanLine(y)[x] = uchar(y % 3 == 1 ? grey.scanLine(y - 1)[x] : engine() % 256);
        grey.setDotsPerMeterX(11811);
        grey.setDotsPerMeterY(11811);
        const QImage back = QImage::fromData(EncodePng(grey), "PNG");
        ASSERT_FALSE(back.isNull()) << size.width();
        EXPECT_EQ(back.convertToFormat(QImage::Format_Grayscale8), grey) << size.width();
        EXPECT_EQ(back.dotsPerMeterX(), 11811);
    }
    QImage colour(5, 4, QImage::Format_RGB32);
    colour.fill(QColor(200, 10, 30));
    EXPECT_EQ(QImage::fromData(EncodePng(colour), "PNG").convertToFormat(QImage::Format_RGB32), colour);
}
