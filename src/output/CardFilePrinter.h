// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Printers.h"

#include <QDateTime>
#include <QPageSize>
#include <QRect>
#include <QString>
#include <memory>

class ImageTarget;
class QtSurface;

// A "printer" whose one page is a file of its own: a card laid out as it prints one to a
// page on the given paper, then cut to `crop` (in the page's printable-area pixels) and
// written as a PNG (greyscale, or colour for a card in colour; white background) or a one-page PDF of that size, through a
// temporary file. Used to export cards for players who are not in the room.
class CardFilePrinter final : public Printers {
public:
    enum class Format { Png, Pdf };

    // What a thread writing file after file keeps from one to the next: the fonts and the
    // texts shaped, and the glyphs drawn into images. Made by the first printer given it.
    struct Kept {
        Kept();
        ~Kept();
        int Dpi = 0;
        std::unique_ptr<QtSurface> Canvas;
        std::unique_ptr<ImageTarget> Images;
    };

    CardFilePrinter(Format format, int dotsPerInch, const QPageSize& paper, QString path, Kept* kept = nullptr);
    ~CardFilePrinter() override;

    // The printable area of the paper at this resolution (a quarter-inch border, as the PDF
    // printer has).
    static DeviceCaps CapsFor(const QPageSize& paper, int dotsPerInch);
    void SetCrop(const QRect& crop) { Crop = crop; }
    // A PNG in colour rather than grey (a card with a design in colour).
    void SetColour(bool colour) { Colour = colour; }
    // A PDF's creation date, where it must not be the moment it is written (a seeded job).
    void SetCreationDate(const QDateTime& date) { Created = date; }

    QStringList Names() override { return {QStringLiteral("Card file")}; }
    int DefaultIndex() override { return 0; }
    void SetCurrent(int) override {}
    DeviceCaps Caps() override { return PageCaps; }
    void SetTitle(const QString& title) override { Title = title; } // a PDF's title
    bool BeginDoc() override;
    void NewPage() override {}
    void EndDoc() override;
    void Abort() override;
    Surface& Canvas() override;

private:
    struct Page;
    Format Kind;
    int Dpi;
    QString Path;
    DeviceCaps PageCaps;
    QRect Crop;
    bool Colour = false;
    QString Title;
    QDateTime Created;
    Kept Own; // when none is given
    Kept& Tools;
    std::unique_ptr<Page> Open;
};
