// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "formats/PngEncoder.h"
#include "formats/Deflate.h"

#include <QBuffer>
#include <QImage>
#include <libdeflate.h>

#include <cstring>

namespace {

void Put32(QByteArray& out, quint32 value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

void Chunk(QByteArray& out, const char* type, const QByteArray& data)
{
    Put32(out, quint32(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    Put32(out, libdeflate_crc32(0, out.constData() + start, size_t(out.size() - start)));
}

QByteArray QtPng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QByteArray EncodePng(const QImage& image)
{
    if (image.format() != QImage::Format_Grayscale8 || image.isNull())
        return QtPng(image);
    const qsizetype width = image.width(), height = image.height();
    QByteArray rows((width + 1) * height, Qt::Uninitialized);
    char* out = rows.data();
    for (qsizetype y = 0; y < height; ++y) {
        const uchar* row = image.constScanLine(int(y));
        if (y == 0) {
            *out++ = 0; // None
            std::memcpy(out, row, size_t(width));
        } else {
            *out++ = 2; // Up
            const uchar* above = image.constScanLine(int(y - 1));
            for (qsizetype x = 0; x < width; ++x)
                out[x] = char(row[x] - above[x]);
        }
        out += width;
    }
    const QByteArray packed = Deflate(rows.constData(), size_t(rows.size()), 6);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    Put32(header, quint32(width));
    Put32(header, quint32(height));
    header.append("\x08\x00\x00\x00\x00", 5); // 8-bit grey, deflate, adaptive filters, no interlace
    Chunk(png, "IHDR", header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        QByteArray physical;
        Put32(physical, quint32(image.dotsPerMeterX()));
        Put32(physical, quint32(image.dotsPerMeterY()));
        physical.append(char(1)); // per metre
        Chunk(png, "pHYs", physical);
    }
    Chunk(png, "IDAT", packed);
    Chunk(png, "IEND", {});
    return png;
}
