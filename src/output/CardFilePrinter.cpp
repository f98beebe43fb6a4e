// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardFilePrinter.h"
#include "formats/PdfDocument.h"
#include "formats/PngEncoder.h"
#include "output/ImageTarget.h"
#include "output/QtSurface.h"
#include "platform/TextFile.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>

CardFilePrinter::Kept::Kept() = default;
CardFilePrinter::Kept::~Kept() = default;

struct CardFilePrinter::Page {
    QImage Image;
    QBuffer PdfBytes;
    std::unique_ptr<PdfDocument> Pdf; // the program's own writer, as a job printed to PDF
};

CardFilePrinter::CardFilePrinter(Format format, int dotsPerInch, const QPageSize& paper, QString path, Kept* kept)
    : Kind(format), Dpi(dotsPerInch), Path(std::move(path)), PageCaps(CapsFor(paper, dotsPerInch)),
      Tools(kept ? *kept : Own)
{
    Crop = QRect(0, 0, PageCaps.HorzRes, PageCaps.VertRes);
    if (!Tools.Canvas || Tools.Dpi != dotsPerInch) {
        Tools.Canvas = std::make_unique<QtSurface>(dotsPerInch, Qt::white);
        Tools.Images.reset();
        Tools.Dpi = dotsPerInch;
    }
    if (!Tools.Images)
        Tools.Images = std::make_unique<ImageTarget>();
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
        Open->Image = QImage(Crop.size(), Colour ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
        Open->Image.setDotsPerMeterX(qRound(Dpi / 0.0254));
        Open->Image.setDotsPerMeterY(qRound(Dpi / 0.0254));
        Open->Image.fill(Qt::white);
        Tools.Images->Begin(&Open->Image, Crop.topLeft());
        Tools.Canvas->Attach(Tools.Images.get());
        return true;
    }
    // The page is the card cut out: what lies at the cut's corner lies at the page's.
    Open->PdfBytes.open(QIODevice::WriteOnly);
    PdfDocument::Setup setup;
    setup.Title = Title;
    setup.Created = Created;
    setup.Dpi = Dpi;
    setup.PagePoints = QSize(qRound(Crop.width() * 72.0 / Dpi), qRound(Crop.height() * 72.0 / Dpi));
    setup.AreaOffset = -Crop.topLeft();
    setup.AreaPixels = Crop.size();
    setup.AreaCorner = Crop.topLeft();
    Open->Pdf = std::make_unique<PdfDocument>(Open->PdfBytes, setup);
    Open->Pdf->BeginPage();
    Tools.Canvas->Attach(Open->Pdf.get());
    return true;
}

void CardFilePrinter::EndDoc()
{
    Tools.Canvas->Attach(nullptr);
    QByteArray bytes;
    if (Kind == Format::Png) {
        Tools.Images->Begin(nullptr, QPoint());
        bytes = EncodePng(Open->Image);
    } else {
        Open->Pdf->Finish();
        bytes = Open->PdfBytes.data();
    }
    Open.reset();
    // A link at the card's name is replaced, never followed out of the folder.
    TextFile::WriteAll(Path, bytes, TextFile::Links::Replace);
}

void CardFilePrinter::Abort()
{
    if (Open) {
        Tools.Canvas->Attach(nullptr);
        Tools.Images->Begin(nullptr, QPoint());
        Open.reset();
    }
}

Surface& CardFilePrinter::Canvas()
{
    return *Tools.Canvas;
}
