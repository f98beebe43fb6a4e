// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "formats/SurfaceTarget.h"

#include <QDateTime>
#include <QHash>
#include <QSize>
#include <QString>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

class FontFace;
class QIODevice;

// In use (a page with a box and a word, at 600 dpi on Letter):
//
//     QFile file("cards.pdf");
//     file.open(QIODevice::WriteOnly);
//     PdfDocument pdf(file, {"Cards", QDateTime::currentDateTimeUtc(), 600, {612, 792}, {}, {5100, 6600}, {}});
//     pdf.BeginPage();
//     pdf.Fill({600, 600, 1200, 1200}, Qt::yellow);
//     const QRawFont face = QRawFont::fromFont(QFont("Liberation Sans", 48));
//     const QList<quint32> glyphs = face.glyphIndexesForString("BINGO");
//     QList<QPointF> at = face.advancesForGlyphIndexes(glyphs); // made into positions from (700, 1000)
//     ...
//     pdf.DrawGlyphs(face, glyphs, at);
//     pdf.Finish(); // the last page ended, the fonts (only the glyphs used) and the index written
//
// The print job's PDF file, written as the pages are drawn: lines, filled boxes and text,
// which is all a page of cards holds. Each page's drawing is compressed and written on a
// second thread while the next page is drawn; a page's text goes out a line at a time (one
// string with its spacing), not a glyph at a time. The fonts are embedded at the end, each
// holding only the glyphs the pages used, with a map back to the characters so the text can
// be searched and copied.
class PdfDocument final : public SurfaceTarget {
public:
    struct Setup {
        QString Title;
        QDateTime Created;
        int Dpi = 600;
        QSize PagePoints;   // the paper
        QPoint AreaOffset;  // where the drawing's origin lies on it, in device pixels
        QSize AreaPixels;   // the drawable area
        QPoint AreaCorner;  // its top-left corner in the drawing (a page cut to a card: not the origin)
    };
    // Writes to the device, which must stay open until Finish; what the device can't
    // write it keeps as its error (the writer goes on, so a job ends the same way).
    PdfDocument(QIODevice& out, Setup setup);
    ~PdfDocument() override;

    void BeginPage();
    void EndPage();
    // Ends the last page and writes the fonts, the page tree and the index.
    void Finish();

    QRect Area() const override;
    void Fill(const QRect& box, const QColor& colour) override;
    void SetInk(const QColor& ink) override { Ink = ink; }
    void DrawPicture(const QRect& box, const Picture& picture) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawGlyphs(const QRawFont& font, const QList<quint32>& glyphs, const QList<QPointF>& positions) override;
    void DrawRuns(const QRawFont& font, const std::vector<PlacedRun>& runs) override;
    void NameGlyph(const QRawFont& font, quint32 glyph, const QString& text) override;
    void Embolden(double pixels) override { Bolder = pixels; }
    void BeginActualText(const QString& text) override;
    void EndActualText() override;

private:
    struct Font;
    Font& FontFor(const QRawFont& raw);
    // A run's text-showing operators, from its first glyph, and where its last line starts
    // from there: made once per run and kept, as every card draws the same texts.
    struct Shown {
        std::string Text;
        QPointF LastLine;
    };
    Shown ShowRun(Font& font, double size, const QList<quint32>& glyphs, const QList<QPointF>& positions);
    std::unordered_map<quint64, Shown> ShownRuns;
    void WriteFont(const Font& font);
    void EndPath();
    void SetFill(const QColor& colour);
    void SetStroke(const QColor& colour);
    // Each picture is an image object (and its transparency another), written once at the end
    // whatever the number of pages that show it.
    struct ImageObject {
        int Object;
        QByteArray Dictionary;
        QByteArray Stream;
        bool Named; // drawn by name from a page; a transparency is only referred to
    };
    std::unordered_map<quint64, int> ImagesByKey; // picture key -> its image object
    std::vector<ImageObject> ImageObjects;
    int ImageFor(const Picture& picture);
    int NewObject() { return ++LastObject; }
    // The writing side, on the writer thread while pages go out and on the caller's after.
    void Write(const QByteArray& bytes);
    void BeginObject(int id);
    void WriteObject(int id, const QByteArray& dictionary, const QByteArray* stream = nullptr);
    // A stream object of the font's data, compressed; `more` adds to its dictionary.
    void WritePacked(int id, const QByteArray& data, const QByteArray& more = {});
    void Flush();
    void WriterLoop();
    void StopWriter();

    QIODevice& Out;
    Setup Page;
    int LastObject = 2; // 1 is the catalogue, 2 the information
    int PagesObject = 0;
    std::vector<std::pair<int, int>> Pages; // page object, contents object
    std::string Content;
    bool InPage = false;
    bool InPath = false;
    QColor FillColour = Qt::black;
    QColor StrokeColour = Qt::black;
    QColor Ink = Qt::black;
    double Bolder = 0; // the stroke around the glyphs drawn next
    std::vector<std::unique_ptr<Font>> Fonts;
    QHash<QString, Font*> FontsByFace;
    std::vector<std::pair<QRawFont, Font*>> FontsBySize;

    // Pages waiting for the writer: a few at most, so memory stays flat on long jobs.
    struct Pending {
        int Id;
        std::string Content;
    };
    std::mutex Lock;
    std::condition_variable Changed;
    std::deque<Pending> Queue;
    bool Stopping = false;
    bool DrawingWaits = false;
    std::thread Writer;
    // Owned by whichever side writes (see Write).
    QByteArray Buffer;
    qint64 Position = 0;
    std::vector<qint64> Offsets; // by object number
};
