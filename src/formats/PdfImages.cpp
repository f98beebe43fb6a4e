// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "formats/Deflate.h"
#include "formats/PdfDocument.h"
#include "formats/PdfSyntax.h"
#include "platform/Picture.h"

using namespace PdfSyntax;

namespace {

QByteArray ImageDictionary(const QSize& size, const char* colourSpace, const char* filter, qsizetype length)
{
    return "<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(size.width()) + " /Height " +
           QByteArray::number(size.height()) + " /ColorSpace /" + colourSpace +
           " /BitsPerComponent 8 /Interpolate true /Filter /" + filter + " /Length " + QByteArray::number(length);
}

} // namespace

int PdfDocument::ImageFor(const Picture& picture)
{
    if (const auto known = ImagesByKey.find(picture.Key); known != ImagesByKey.end())
        return known->second;
    const int id = NewObject();
    const QSize size = picture.Image.size();
    ImageObject image{id, {}, {}, true};
    if (!picture.Jpeg.isEmpty()) {
        // A JPEG goes in as it is: a viewer decodes it as well as we could, and no better
        // copy could be smaller.
        image.Stream = picture.Jpeg;
        image.Dictionary = ImageDictionary(size, picture.JpegComponents == 1 ? "DeviceGray" : "DeviceRGB", "DCTDecode",
                                           picture.Jpeg.size()) +
                           " >>";
    } else {
        // Others as rows of RGB, compressed; a transparency as a grey image of its own.
        const bool alpha = picture.Image.hasAlphaChannel();
        const QImage straight = picture.Image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        const qsizetype pixels = qsizetype(size.width()) * size.height();
        QByteArray rgb(pixels * 3, Qt::Uninitialized), mask(alpha ? pixels : 0, Qt::Uninitialized);
        char* colour = rgb.data();
        char* opacity = mask.data();
        for (int y = 0; y < size.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                *colour++ = char(qRed(row[x]));
                *colour++ = char(qGreen(row[x]));
                *colour++ = char(qBlue(row[x]));
                if (alpha)
                    *opacity++ = char(qAlpha(row[x]));
            }
        }
        image.Stream = Deflate(rgb.constData(), size_t(rgb.size()), 1);
        image.Dictionary = ImageDictionary(size, "DeviceRGB", "FlateDecode", image.Stream.size());
        if (alpha) {
            const int maskId = NewObject();
            const QByteArray packed = Deflate(mask.constData(), size_t(mask.size()), 1);
            ImageObjects.push_back({maskId, ImageDictionary(size, "DeviceGray", "FlateDecode", packed.size()) + " >>",
                                    packed, false});
            image.Dictionary += " /SMask " + QByteArray::number(maskId) + " 0 R";
        }
        image.Dictionary += " >>";
    }
    ImageObjects.push_back(std::move(image));
    ImagesByKey.emplace(picture.Key, id);
    return id;
}

void PdfDocument::DrawPicture(const QRect& box, const Picture& picture)
{
    if (picture.IsNull() || box.isEmpty())
        return;
    EndPath();
    const int id = ImageFor(picture);
    // The image's unit square, its first row at the top of the box (the page runs downwards).
    Content += "q ";
    for (int value : {box.width(), 0, 0, -box.height(), box.x(), box.y() + box.height()}) {
        Number(Content, value);
        Content += ' ';
    }
    Content += "cm /Im";
    Number(Content, id);
    Content += " Do Q\n";
}
