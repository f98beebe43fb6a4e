// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/Picture.h"
#include "platform/PlatformError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <atomic>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("Picture", text);
}

// The components of a baseline or progressive JPEG, from its frame header (0: not found).
int JpegComponents(const QByteArray& bytes)
{
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return 0;
    for (qsizetype i = 2; i + 9 < n;) {
        if (b[i] != 0xFF)
            return 0;
        const uchar marker = b[i + 1];
        if (marker == 0xFF) {
            ++i;
            continue;
        }
        const int length = b[i + 2] << 8 | b[i + 3];
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2)
            return b[i + 9];
        if (marker == 0xDA || length < 2)
            return 0;
        i += 2 + length;
    }
    return 0;
}

// A PNG's parts each give their length. One that claims more than the file holds is damaged,
// and is refused before the reader sets that much memory aside for it.
bool PngPartsFit(const QByteArray& bytes)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!bytes.startsWith(signature))
        return true;
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    for (qsizetype i = signature.size(); i + 8 <= bytes.size();) {
        const qint64 length = qFromBigEndian<quint32>(b + i);
        if (length > bytes.size() - i - 12) // its length, name and check sum around it
            return false;
        if (bytes.mid(i + 4, 4) == "IEND")
            break;
        i += 12 + length;
    }
    return true;
}

quint64 NewKey()
{
    static std::atomic<quint64> keys{0};
    return ++keys;
}

} // namespace

const QStringList& PictureKinds()
{
    static const QStringList kinds = {"png", "jpg", "jpeg", "svg", "gif", "bmp", "webp"};
    return kinds;
}

Picture ReadPicture(const QString& path, int maxSide)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PlatformError(file.errorString(), path);
    if (file.size() > MaxPictureBytes)
        throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "The picture is larger than 64 MB")), path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PlatformError(file.errorString(), path);
    return ReadPicture(bytes, path, maxSide);
}

Picture ReadPicture(const QByteArray& bytes, const QString& name, int maxSide)
{
    if (bytes.size() > MaxPictureBytes)
        throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "The picture is larger than 64 MB")), name);
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    // Only the kinds a list takes are handed to a reader (an SVG may come compressed); a file
    // named "cat.png" holding some other kind is refused as no picture.
    if (!PictureKinds().contains(QString::fromLatin1(format)) && format != "svgz") {
        if (bytes.contains("<svg") && !QImageReader::supportedImageFormats().contains("svg"))
            throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "SVG pictures need Qt's SVG support (the package libqt6svg6)")), name);
        if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP" && !QImageReader::supportedImageFormats().contains("webp"))
            throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "WebP pictures need Qt's image format plugins (the package qt6-image-formats-plugins)")), name);
        throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "This is not a picture that can be read")), name);
    }
    if (!PngPartsFit(bytes))
        throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "The picture is damaged: a part of it runs past the end of the file")), name);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxPictureSide || size.height() > MaxPictureSide))
        throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "The picture is larger than %1 x %1 pixels")).arg(MaxPictureSide), name);
    const bool svg = format == "svg" || format == "svgz";
    bool scaled = false;
    if (svg && size.isValid() && !size.isEmpty()) {
        reader.setScaledSize(size.scaled(SvgPreviewSide, SvgPreviewSide, Qt::KeepAspectRatio));
    } else if (maxSide > 0 && size.isValid() && std::max(size.width(), size.height()) > maxSide) {
        reader.setScaledSize(size.scaled(maxSide, maxSide, Qt::KeepAspectRatio));
        scaled = true;
    }
    QImage image = reader.read();
    if (image.isNull())
        throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "The picture could not be read: %1")).arg(reader.errorString()), name);
    if (image.width() > MaxPictureSide || image.height() > MaxPictureSide)
        throw PlatformError(Tr(QT_TRANSLATE_NOOP("Picture", "The picture is larger than %1 x %1 pixels")).arg(MaxPictureSide), name);
    Picture picture;
    picture.Key = NewKey();
    if (svg)
        picture.Svg = bytes;
    picture.Image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                  : QImage::Format_RGB32);
    // A JPEG turned on reading (its orientation tag) is kept decoded: its bytes stand the other way.
    const int components = format == "jpeg" || format == "jpg" ? JpegComponents(bytes) : 0;
    if ((components == 1 || components == 3) && !scaled && reader.transformation() == QImageIOHandler::TransformationNone)
    {
        picture.Jpeg = bytes;
        picture.JpegComponents = components;
    }
    return picture;
}

QRect FittedPicture(QSize size, const QRect& box)
{
    if (size.isEmpty() || box.isEmpty())
        return {};
    QSize fitted = size.scaled(box.size(), Qt::KeepAspectRatio);
    if (fitted.width() > 2 * size.width())
        fitted = size * 2;
    fitted = fitted.expandedTo(QSize(1, 1));
    return QRect(box.x() + (box.width() - fitted.width()) / 2, box.y() + (box.height() - fitted.height()) / 2,
                 fitted.width(), fitted.height());
}

Picture RenderedAt(const Picture& picture, QSize size)
{
    if (picture.Svg.isEmpty() || size.isEmpty())
        return picture;
    QByteArray copy = picture.Svg;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    reader.setScaledSize(size.boundedTo(QSize(SvgPictureSide, SvgPictureSide)));
    const QImage image = reader.read();
    if (image.isNull())
        return picture; // read once already: drawn from what was read then
    Picture rendered;
    rendered.Key = NewKey();
    rendered.Image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return rendered;
}

const QImage& PictureAtSize::Image(const Picture& picture, QSize size)
{
    if (Drawn.IsNull() || picture.Key != Source || size != Size) {
        Drawn = RenderedAt(picture, size);
        Source = picture.Key;
        Size = size;
    }
    return Drawn.Image;
}
