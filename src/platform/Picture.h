// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// The largest picture file read, and the largest side in pixels: past them a picture is refused.
// (SvgPictureSide, below: the longest side an SVG may be drawn at.)
inline constexpr qint64 MaxPictureBytes = 64LL * 1024 * 1024;
inline constexpr int MaxPictureSide = 10000;
// The longer side an SVG may be drawn at, and the side it is first drawn at (its shape; every
// use draws it afresh at its own size).
inline constexpr int SvgPictureSide = 2400;
inline constexpr int SvgPreviewSide = 128;

// A picture as the drawing surfaces take it (a logo in the free space, a picture on a card):
// decoded once, with what a document can keep of its file as it is.
struct Picture {
    // The same for the same picture read once, and never for another: a document writes a
    // picture once however many cards show it.
    quint64 Key = 0;
    // RGB32, or ARGB32 premultiplied where it has transparency. An SVG is drawn at a size of
    // its own, large enough for any card on paper.
    QImage Image;
    // A JPEG file's own bytes (one or three components), which a PDF keeps as they are.
    QByteArray Jpeg;
    int JpegComponents = 0;
    // An SVG's own text: drawn afresh at the size each target shows it at (RenderedAt), so it is
    // sharp on any printer and costs no more than that size.
    QByteArray Svg;
    bool IsNull() const { return Image.isNull(); }
    // The size fitting goes by: an SVG's is as large as any card needs.
    QSize Nominal() const
    {
        return Svg.isEmpty() ? Image.size() : Image.size().scaled(SvgPictureSide, SvgPictureSide, Qt::KeepAspectRatio);
    }
};

// The kinds of picture a list takes, as file suffixes and as the image readers name them:
// PNG, JPEG, SVG, GIF, BMP and WebP.
const QStringList& PictureKinds();

// Reads a picture file of one of those kinds, whatever its name says. A file
// that is missing, unreadable, too large, not a picture, or damaged part way raises
// PlatformError naming the file and why.
// `maxSide`: a larger picture is read scaled down to it (its file's bytes then not kept), so
// that a list of camera photos doesn't hold hundreds of megabytes; 0 reads it whole.
Picture ReadPicture(const QString& path, int maxSide = 0);
// The same from bytes already read; `name` names it in a message.
Picture ReadPicture(const QByteArray& bytes, const QString& name, int maxSide = 0);
// The side a list's pictures are read at, at most: sharp in a cell of a card printed one to
// a page at 600 dots an inch.
inline constexpr int ListPictureSide = 1600;

// An SVG picture drawn at `size` (a picture of its own, with a key of its own); any other
// picture as it is.
Picture RenderedAt(const Picture& picture, QSize size);

// A picture as last drawn at one size, for a widget that paints often: an SVG is drawn again
// only when the picture or its size changes.
class PictureAtSize {
public:
    const QImage& Image(const Picture& picture, QSize size);

private:
    quint64 Source = 0;
    QSize Size;
    Picture Drawn;
};

// The box a picture of `size` takes in `box`: as large as fits, its proportions kept, centred,
// and never more than twice its own size (past that it blurs).
QRect FittedPicture(QSize size, const QRect& box);
