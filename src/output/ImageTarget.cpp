// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/ImageTarget.h"
#include "platform/Picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <cstring>

void ImageTarget::Begin(QImage* image, QPoint corner)
{
    Image = image;
    Corner = corner;
}

QRect ImageTarget::Area() const
{
    return Image ? QRect(Corner, Image->size()) : QRect();
}

void ImageTarget::Fill(const QRect& box, const QColor& colour)
{
    if (!Image)
        return;
    const QRect on = box.translated(-Corner) & Image->rect();
    if (Image->format() == QImage::Format_RGB32) {
        for (int y = on.top(); y <= on.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(Image->scanLine(y)) + on.left(), on.width(), colour.rgb() | 0xFF000000);
        return;
    }
    const int grey = qGray(colour.rgb());
    for (int y = on.top(); y <= on.bottom(); ++y)
        std::memset(Image->scanLine(y) + on.left(), grey, size_t(on.width()));
}

void ImageTarget::DrawLine(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2) {
        Fill(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))), QColor(Ink));
        return;
    }
    // Anything slanted, a pixel a step, both ends drawn.
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1), sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    for (int error = dx + dy;;) {
        Fill(QRect(x1, y1, 1, 1), QColor(Ink));
        if (x1 == x2 && y1 == y2)
            break;
        if (2 * error >= dy) {
            error += dy;
            x1 += sx;
        }
        if (2 * error <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}

const ImageTarget::Mask& ImageTarget::MaskFor(const QRawFont& font, quint32 glyph, int quarterX, int quarterY)
{
    if (MaskBytes > 64 * 1024 * 1024) {
        Faces.clear();
        MaskBytes = 0;
    }
    auto face = std::find_if(Faces.begin(), Faces.end(),
                             [&](const Face& f) { return f.Bolder == Bolder && f.Font == font; });
    if (face == Faces.end()) {
        Faces.push_back({font, Bolder, {}});
        face = Faces.end() - 1;
    }
    const quint64 key = quint64(glyph) << 8 | quint64(quarterX) << 4 | quint64(quarterY);
    if (const auto known = face->Masks.find(key); known != face->Masks.end())
        return known->second;
    // The outline at its offset, filled smoothly as the painter fills a large glyph; a face
    // drawn bolder also gets its outline stroked, half the stroke growing it on every side.
    const QPainterPath outline = font.pathForGlyph(glyph).translated(quarterX / 4.0, quarterY / 4.0);
    QPainterPath stroke;
    if (Bolder > 0) {
        QPainterPathStroker stroker;
        stroker.setWidth(Bolder);
        stroker.setJoinStyle(Qt::MiterJoin);
        stroke = stroker.createStroke(outline);
    }
    const QRect bounds = outline.boundingRect().united(stroke.boundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1);
    Mask mask{QImage(bounds.size().expandedTo(QSize(1, 1)), QImage::Format_Alpha8), bounds.topLeft()};
    mask.Coverage.fill(0);
    if (!outline.isEmpty()) {
        QPainter painter(&mask.Coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-bounds.topLeft());
        painter.fillPath(outline, Qt::black);
        if (!stroke.isEmpty())
            painter.fillPath(stroke, Qt::black);
    }
    MaskBytes += mask.Coverage.sizeInBytes();
    return face->Masks.emplace(key, std::move(mask)).first->second;
}

void ImageTarget::Blend(const Mask& mask, int x, int y)
{
    // The ink over the page by each pixel's coverage.
    const QRect on = QRect(QPoint(x, y), mask.Coverage.size()) & Image->rect();
    const auto over = [](uint page, uint ink, uint a) {
        const uint kept = page * (255 - a) + ink * a + 128;
        return (kept + (kept >> 8)) >> 8;
    };
    if (Image->format() == QImage::Format_RGB32) {
        for (int row = on.top(); row <= on.bottom(); ++row) {
            const uchar* coverage = mask.Coverage.constScanLine(row - y) + (on.left() - x);
            auto* page = reinterpret_cast<QRgb*>(Image->scanLine(row)) + on.left();
            for (int i = 0; i < on.width(); ++i)
                if (const uint a = coverage[i])
                    page[i] = qRgb(int(over(uint(qRed(page[i])), uint(qRed(Ink)), a)),
                                   int(over(uint(qGreen(page[i])), uint(qGreen(Ink)), a)),
                                   int(over(uint(qBlue(page[i])), uint(qBlue(Ink)), a)));
        }
        return;
    }
    const uint ink = uint(qGray(Ink));
    for (int row = on.top(); row <= on.bottom(); ++row) {
        const uchar* coverage = mask.Coverage.constScanLine(row - y) + (on.left() - x);
        uchar* page = Image->scanLine(row) + on.left();
        for (int i = 0; i < on.width(); ++i)
            if (const uint a = coverage[i])
                page[i] = uchar(over(page[i], ink, a));
    }
}

void ImageTarget::DrawGlyphs(const QRawFont& font, const QList<quint32>& glyphs, const QList<QPointF>& positions)
{
    if (!Image)
        return;
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
        // Placed to a quarter of a pixel: at 300 dots an inch no eye sees the difference,
        // and a glyph then has at most sixteen masks.
        const QPointF at = positions[i] - Corner;
        const double qx = std::round(at.x() * 4), qy = std::round(at.y() * 4);
        const int x = int(std::floor(qx / 4)), y = int(std::floor(qy / 4));
        const Mask& mask = MaskFor(font, glyphs[i], int(qx) - 4 * x, int(qy) - 4 * y);
        Blend(mask, x + mask.Offset.x(), y + mask.Offset.y());
    }
}

void ImageTarget::DrawPicture(const QRect& box, const Picture& picture)
{
    if (!Image || picture.IsNull() || box.isEmpty())
        return;
    auto scaled = std::find_if(Pictures.begin(), Pictures.end(), [&](const Scaled& s) {
        return s.Key == picture.Key && s.Image.size() == box.size();
    });
    if (scaled == Pictures.end()) {
        if (Pictures.size() >= 64)
            Pictures.clear();
        Pictures.push_back({picture.Key, picture.Image.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)});
        scaled = Pictures.end() - 1;
    }
    QPainter painter(Image);
    painter.drawImage(box.topLeft() - Corner, scaled->Image);
}
