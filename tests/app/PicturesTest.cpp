// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Pictures are read by Qt's readers and checked before use: what can't be used is named with
// the reason, never a crash; a JPEG is kept as its own bytes for a PDF; a picture is fitted
// into its box with its proportions, never past twice its size.
#include "platform/PlatformError.h"
#include "platform/Picture.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

TEST(Pictures, ReadCheckedAndFitted)
{
    QImage star(40, 20, QImage::Format_ARGB32);
    star.fill(Qt::transparent);
    star.setPixelColor(5, 5, Qt::red);
    const QByteArray png = Encoded(star, "PNG");
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(QColor("#3070a0"));
    const QByteArray jpeg = Encoded(photo, "JPEG");
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='20'><rect width='10' height='20' "
                           "fill='#00ff00'/></svg>";

    const Picture fromPng = ReadPicture(png, "star.png");
    EXPECT_EQ(fromPng.Image.size(), QSize(40, 20));
    EXPECT_TRUE(fromPng.Image.hasAlphaChannel()); // transparency kept
    EXPECT_TRUE(fromPng.Jpeg.isEmpty());
    EXPECT_EQ(ReadPicture(Encoded(star, "WEBP"), "star.webp").Image.size(), QSize(40, 20));
    const Picture fromJpeg = ReadPicture(jpeg, "photo.jpg");
    EXPECT_EQ(fromJpeg.Jpeg, jpeg);
    EXPECT_EQ(fromJpeg.JpegComponents, 3);
    EXPECT_NE(fromJpeg.Key, fromPng.Key);
    // An SVG is drawn small for the screen, and afresh at the size it is shown at on paper.
    const Picture fromSvg = ReadPicture(svg, "bar.svg");
    EXPECT_EQ(fromSvg.Image.size(), QSize(SvgPreviewSide / 2, SvgPreviewSide));
    EXPECT_EQ(fromSvg.Nominal(), QSize(SvgPictureSide / 2, SvgPictureSide));
    const Picture onPaper = RenderedAt(fromSvg, QSize(700, 1400));
    EXPECT_EQ(onPaper.Image.size(), QSize(700, 1400));
    EXPECT_EQ(onPaper.Image.pixelColor(350, 700), QColor("#00ff00"));
    EXPECT_NE(onPaper.Key, fromSvg.Key);
    EXPECT_EQ(RenderedAt(fromPng, QSize(10, 10)).Key, fromPng.Key); // anything else as it is
    // A widget's picture is drawn again only when the picture or its size changes.
    PictureAtSize onScreen;
    const qint64 first = onScreen.Image(fromSvg, QSize(30, 60)).cacheKey();
    EXPECT_EQ(onScreen.Image(fromSvg, QSize(30, 60)).cacheKey(), first);
    EXPECT_EQ(onScreen.Image(fromSvg, QSize(40, 80)).size(), QSize(40, 80));
    EXPECT_EQ(onScreen.Image(fromPng, QSize(40, 80)).cacheKey(), fromPng.Image.cacheKey());

    // What can't be used: each named, with why.
    QImage wide(MaxPictureSide + 1, 1, QImage::Format_Mono);
    wide.fill(0);
    // A text part after the image that claims nearly 2 GB: the image itself reads whole.
    QByteArray lying = png;
    lying.insert(lying.size() - 12, QByteArray("\x70\x00\x00\x00tEXtnote\0hello\0\0\0\0", 22));
    const struct {
        QByteArray Bytes;
        const char* Why;
    } refused[] = {
        {"", "not a picture"},
        {"Lion\r\nTiger\r\n", "not a picture"},
        {png.left(png.size() / 2), "could not be read"},    // cut short
        {jpeg.left(40), "could not be read"},
        {lying, "damaged"},
        {"P1\n2 1\n0 1\n", "not a picture"}, // a kind no list takes
        {Encoded(wide, "PNG"), "larger than 10000 x 10000"},
        {"<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect", "could not be read"},
    };
    for (const auto& r : refused) {
        try {
            ReadPicture(r.Bytes, "bad.png");
            ADD_FAILURE() << "read: " << r.Why;
        } catch (const PlatformError& error) {
            EXPECT_EQ(error.File(), "bad.png");
            EXPECT_TRUE(error.Text().contains(r.Why)) << error.Text().toStdString();
        }
    }
    TempFolder folder;
    EXPECT_THROW(ReadPicture(folder.Path("missing.png")), PlatformError);

    // Fitted: centred, proportions kept, no larger than twice the picture.
    EXPECT_EQ(FittedPicture(QSize(200, 100), QRect(0, 0, 100, 100)), QRect(0, 25, 100, 50));
    EXPECT_EQ(FittedPicture(QSize(10, 20), QRect(10, 10, 300, 300)), QRect(150, 140, 20, 40));
    EXPECT_EQ(FittedPicture(QSize(0, 0), QRect(0, 0, 10, 10)), QRect());
}
