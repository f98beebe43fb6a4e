// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardFilePrinter.h"
#include "formats/PngEncoder.h"
#include "output/QtSurface.h"
#include "platform/TextFile.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

struct CardFilePrinter::Page {
    QImage Image;
    QBuffer PdfBytes;
    std::unique_ptr<QPdfWriter> Pdf;
    QPainter Painter;
};

CardFilePrinter::CardFilePrinter(Format format, int dotsPerInch, const QPageSize& paper, QString path)
    : Kind(format), Dpi(dotsPerInch), Path(std::move(path)), PageCaps(CapsFor(paper, dotsPerInch)),
      Canvas_(std::make_unique<QtSurface>(dotsPerInch, Qt::white))
{
    Crop = QRect(0, 0, PageCaps.HorzRes, PageCaps.VertRes);
}

CardFilePrinter::~CardFilePrinter() = default;

DeviceCaps CardFilePrinter::CapsFor(const QPageSize& paper, int dotsPerInch)
{
    const QPageLayout layout(paper, QPageLayout::Portrait, QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    const QRect paint = layout.paintRectPixels(dotsPerInch);
    const QRect full = layout.fullRectPixels(dotsPerInch);
    return {paint.width(), paint.height(), paint.left() - full.left(), paint.top() - full.top(), dotsPerInch};
}

bool CardFilePrinter::BeginDoc()
{
    Open = std::make_unique<Page>();
    if (Kind == Format::Png) {
        Open->Image = QImage(Crop.size(), QImage::Format_Grayscale8);
        Open->Image.setDotsPerMeterX(qRound(Dpi / 0.0254));
        Open->Image.setDotsPerMeterY(qRound(Dpi / 0.0254));
        Open->Image.fill(Qt::white);
        Open->Painter.begin(&Open->Image);
    } else {
        Open->PdfBytes.open(QIODevice::WriteOnly);
        Open->Pdf = std::make_unique<QPdfWriter>(&Open->PdfBytes);
        Open->Pdf->setResolution(Dpi);
        Open->Pdf->setCreator(QStringLiteral("Plumwick"));
        Open->Pdf->setTitle(Title);
        Open->Pdf->setPageLayout(QPageLayout(QPageSize(QSizeF(Crop.width() * 72.0 / Dpi, Crop.height() * 72.0 / Dpi),
                                                       QPageSize::Point, QString(), QPageSize::ExactMatch),
                                             QPageLayout::Portrait, QMarginsF()));
        Open->Painter.begin(Open->Pdf.get());
    }
    Open->Painter.translate(-Crop.topLeft());
    Canvas_->Attach(&Open->Painter);
    return true;
}

void CardFilePrinter::EndDoc()
{
    Canvas_->Attach(nullptr);
    Open->Painter.end();
    QByteArray bytes;
    if (Kind == Format::Png) {
        bytes = EncodePng(Open->Image);
    } else {
        bytes = Open->PdfBytes.data();
        // Qt's writer dates the file now, as "(D:YYYYMMDDHHmmSSZ)"; a date of the same
        // length takes its place, so nothing after it moves.
        static const QByteArray Key = "/CreationDate (D:";
        const qsizetype at = bytes.indexOf(Key);
        if (Created.isValid() && at >= 0 && bytes.mid(at + Key.size() + 14, 2) == "Z)")
            bytes.replace(at + Key.size(), 14, Created.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1());
    }
    Open.reset();
    // A link at the card's name is replaced, never followed out of the folder.
    TextFile::WriteAll(Path, bytes, TextFile::Links::Replace);
}

void CardFilePrinter::Abort()
{
    if (Open) {
        Canvas_->Attach(nullptr);
        Open->Painter.end();
        Open.reset();
    }
}

Surface& CardFilePrinter::Canvas()
{
    return *Canvas_;
}
