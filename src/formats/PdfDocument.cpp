// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "formats/PdfDocument.h"
#include "formats/Deflate.h"
#include "formats/PdfFont.h"
#include "formats/PdfSyntax.h"

#include <QIODevice>
#include <QTimeZone>

using namespace PdfSyntax;

namespace {

// Pages drawn but not yet written; the drawing waits for the writer beyond this. The writer
// is woken for a few pages at a time: waking a thread costs more than a small page's writing.
constexpr size_t MaxPendingPages = 12;
constexpr size_t WakeWriterAt = 4;
// Bytes gathered before they go to the device.
constexpr qsizetype WriteChunk = 1 << 16;
// The fastest level: a page of cards is mostly the same few operators and numbers, which
// it packs within a few per cent of the slower levels.
constexpr int CompressionLevel = 1;

} // namespace

PdfDocument::PdfDocument(QIODevice& out, Setup setup) : Out(out), Page(std::move(setup))
{
    PagesObject = NewObject();
    Write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    const QDateTime created = Page.Created.isValid() ? Page.Created : QDateTime::currentDateTimeUtc();
    WriteObject(2, "<< /Title " + TextString(Page.Title) + " /Creator " + TextString(QStringLiteral("Plumwick")) +
                       " /Producer " + TextString(QStringLiteral("Plumwick")) + " /CreationDate (D:" +
                       created.toUTC().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1() + "Z) >>");
    Flush();
    Writer = std::thread([this] { WriterLoop(); });
}

PdfDocument::~PdfDocument()
{
    StopWriter();
}

void PdfDocument::StopWriter()
{
    if (!Writer.joinable())
        return;
    {
        std::lock_guard<std::mutex> hold(Lock);
        Stopping = true;
    }
    Changed.notify_all();
    Writer.join();
}

void PdfDocument::WriterLoop()
{
    for (;;) {
        std::deque<Pending> pages;
        {
            std::unique_lock<std::mutex> hold(Lock);
            Changed.wait(hold, [this] { return Stopping || Queue.size() >= WakeWriterAt; });
            if (Queue.empty())
                break;
            pages.swap(Queue);
            if (DrawingWaits)
                Changed.notify_all();
        }
        for (const Pending& page : pages) {
            const QByteArray packed = Deflate(page.Content.data(), page.Content.size(), CompressionLevel);
            WriteObject(page.Id, "<< /Filter /FlateDecode /Length " + QByteArray::number(packed.size()) + " >>",
                        &packed);
        }
    }
    Flush();
}

void PdfDocument::Write(const QByteArray& bytes)
{
    Buffer.append(bytes);
    Position += bytes.size();
    if (Buffer.size() >= WriteChunk)
        Flush();
}

void PdfDocument::Flush()
{
    if (!Buffer.isEmpty())
        Out.write(Buffer);
    Buffer.clear();
}

void PdfDocument::BeginObject(int id)
{
    if (Offsets.size() <= size_t(id))
        Offsets.resize(size_t(id) + 1, -1);
    Offsets[size_t(id)] = Position;
    Write(QByteArray::number(id) + " 0 obj\n");
}

void PdfDocument::WritePacked(int id, const QByteArray& data, const QByteArray& more)
{
    const QByteArray packed = Deflate(data.constData(), size_t(data.size()), 6);
    WriteObject(id, "<< /Filter /FlateDecode /Length " + QByteArray::number(packed.size()) + more + " >>", &packed);
}

void PdfDocument::WriteObject(int id, const QByteArray& dictionary, const QByteArray* stream)
{
    BeginObject(id);
    Write(dictionary);
    if (stream) {
        Write("\nstream\n");
        Write(*stream);
        Write("\nendstream");
    }
    Write("\nendobj\n");
}

QRect PdfDocument::Area() const
{
    return QRect(Page.AreaCorner, Page.AreaPixels);
}

void PdfDocument::BeginPage()
{
    if (InPage)
        EndPage();
    InPage = true;
    FillColour = Qt::black;
    StrokeColour = Qt::black;
    Content.clear();
    // Device pixels from the drawable area's corner, y downwards, as the painter has them.
    const double scale = 72.0 / Page.Dpi;
    Number(Content, scale);
    Content += " 0 0 ";
    Number(Content, -scale);
    Content += ' ';
    Number(Content, Page.AreaOffset.x() * scale);
    Content += ' ';
    Number(Content, Page.PagePoints.height() - Page.AreaOffset.y() * scale);
    // Lines of one device pixel, with stroke adjustment: a viewer that honours it draws each
    // line as whole pixels, crisp as on the screen, rather than smeared over two.
    Content += " cm\n/GS0 gs 1 w 2 J 2 j 0 G 0 g\n";
}

void PdfDocument::EndPage()
{
    if (!InPage)
        return;
    EndPath();
    InPage = false;
    const int page = NewObject(), contents = NewObject();
    Pages.push_back({page, contents});
    {
        std::unique_lock<std::mutex> hold(Lock);
        DrawingWaits = true;
        Changed.wait(hold, [this] { return Queue.size() < MaxPendingPages; });
        DrawingWaits = false;
        Queue.push_back({contents, std::move(Content)});
        if (Queue.size() >= WakeWriterAt)
            Changed.notify_all();
    }
    Content = std::string();
    Content.reserve(1 << 16);
}

void PdfDocument::EndPath()
{
    if (InPath)
        Content += "S\n";
    InPath = false;
}

namespace {

// "0.5 g" or "1 0 0 rg" (fill), "0.5 G" or "1 0 0 RG" (stroke).
void AppendColour(std::string& content, const QColor& colour, bool stroke)
{
    if (colour.red() == colour.green() && colour.green() == colour.blue()) {
        Number(content, Round3(colour.redF()));
        content += stroke ? " G\n" : " g\n";
    } else {
        for (double part : {colour.redF(), colour.greenF(), colour.blueF()}) {
            Number(content, Round3(part));
            content += ' ';
        }
        content += stroke ? "RG\n" : "rg\n";
    }
}

} // namespace

void PdfDocument::SetFill(const QColor& colour)
{
    if (colour == FillColour)
        return;
    FillColour = colour;
    AppendColour(Content, colour, false);
}

void PdfDocument::SetStroke(const QColor& colour)
{
    if (colour == StrokeColour)
        return;
    EndPath();
    StrokeColour = colour;
    AppendColour(Content, colour, true);
}

void PdfDocument::Fill(const QRect& box, const QColor& colour)
{
    EndPath();
    SetFill(colour);
    for (int value : {box.x(), box.y(), box.width(), box.height()}) {
        Number(Content, value);
        Content += ' ';
    }
    Content += "re f\n";
}

void PdfDocument::DrawLine(int x1, int y1, int x2, int y2)
{
    // Lines gather into one path, stroked once.
    SetStroke(Ink);
    InPath = true;
    Scratch line;
    Number(line, x1);
    line += ' ';
    Number(line, y1);
    line += " m ";
    Number(line, x2);
    line += ' ';
    Number(line, y2);
    line += " l\n";
    line.AppendTo(Content);
}

void PdfDocument::Finish()
{
    EndPage();
    StopWriter();

    QByteArray fontList;
    for (const auto& font : Fonts) {
        WriteFont(*font);
        fontList += font->Resource + ' ' + QByteArray::number(font->Object) + " 0 R ";
    }

    QByteArray imageList;
    for (const ImageObject& image : ImageObjects) {
        WriteObject(image.Object, image.Dictionary, &image.Stream);
        if (image.Named)
            imageList += "/Im" + QByteArray::number(image.Object) + ' ' + QByteArray::number(image.Object) + " 0 R ";
    }
    const int resources = NewObject();
    WriteObject(resources, "<< /Font << " + fontList + ">> /ExtGState << /GS0 << /SA true >> >>" +
                               (imageList.isEmpty() ? QByteArray() : " /XObject << " + imageList + ">>") +
                               " /ProcSet [/PDF /Text" + (imageList.isEmpty() ? "" : " /ImageC") + "] >>");
    QByteArray mediaBox = "[0 0 " + QByteArray::number(Page.PagePoints.width()) + ' ' +
                          QByteArray::number(Page.PagePoints.height()) + ']';
    for (const auto& [page, contents] : Pages)
        WriteObject(page, "<< /Type /Page /Parent " + QByteArray::number(PagesObject) + " 0 R /MediaBox " + mediaBox +
                              " /Resources " + QByteArray::number(resources) + " 0 R /Contents " +
                              QByteArray::number(contents) + " 0 R >>");
    // The page tree and the index are written piece by piece: on a long job they are the
    // largest things the writer holds, and memory stays the same whatever the length.
    BeginObject(PagesObject);
    Write("<< /Type /Pages /Kids [");
    for (const auto& [page, contents] : Pages)
        Write(QByteArray::number(page) + " 0 R ");
    Write("] /Count " + QByteArray::number(qsizetype(Pages.size())) + " >>\nendobj\n");
    WriteObject(1, "<< /Type /Catalog /Pages " + QByteArray::number(PagesObject) + " 0 R >>");

    const qint64 index = Position;
    Write("xref\n0 " + QByteArray::number(LastObject + 1) + "\n0000000000 65535 f \n");
    Offsets.resize(size_t(LastObject) + 1, -1);
    for (int id = 1; id <= LastObject; ++id) {
        char line[32];
        std::snprintf(line, sizeof line, "%010lld 00000 n \n", static_cast<long long>(std::max<qint64>(0, Offsets[size_t(id)])));
        Write(QByteArray(line, 20));
    }
    Write("trailer\n<< /Size " + QByteArray::number(LastObject + 1) + " /Root 1 0 R /Info 2 0 R >>\nstartxref\n" +
          QByteArray::number(index) + "\n%%EOF\n");
    Flush();
}
