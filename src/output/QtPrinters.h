// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Printers.h"

#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <functional>
#include <memory>
#include <optional>

class QtSurface;
class QPagedPaintDevice;
class QPainter;
class PdfDocument;
class QPrinter;
class QFile;
namespace TextFile {
class ReplacingFile;
}

// The printers through Qt: the system's (CUPS) printers from QPrinterInfo, in the
// system's order, then the built-in "Print to PDF". Page margins are set to the printer's
// minimum margins, so the painter's origin is the corner of the printable area.
//
// The PDF printer acts as a 600-dpi laser printer on the locale's paper with a quarter-inch
// border it can't print on (offsets of 150 pixels; Letter gives a 4800 x 6300 area). It
// asks for the file name when the document begins, unless one was given beforehand, and
// writes through a temporary file that becomes the named file only when the job ends.
class QtPrinters final : public Printers {
public:
    // Asks for the PDF file name; returns nothing when the user cancels.
    using PdfNamePrompt = std::function<std::optional<QString>()>;

    explicit QtPrinters(PdfNamePrompt askPdfName = {});
    ~QtPrinters() override;

    // For a batch: the PDF goes to this file without a question.
    void SetPdfOutput(const QString& path) { PdfOutput = path; }
    void SetPdfPaper(QPageSize::PageSizeId paper) { PdfPaper = paper; }
    // Stamps the PDF with this creation date instead of the clock's, so that equal jobs
    // give byte-identical files.
    void SetPdfCreationDate(const QDateTime& date) { PdfDate = date; }

    QStringList Names() override;
    int DefaultIndex() override;
    void SetCurrent(int index) override;
    DeviceCaps Caps() override;
    void SetTitle(const QString& title) override;
    bool BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    Surface& Canvas() override;
    QStringList PaperNames(int index) override;
    QString DefaultPaper(int index) override;
    void UsePaper(const QString& name) override;
    void UseLandscape(bool landscape) override { Landscape = landscape; }

    // The papers the built-in PDF printer offers, and the page size of a name among them
    // (any letter case); nullopt for a name it does not offer.
    static QStringList PdfPaperNames();
    static std::optional<QPageSize> PdfPaperNamed(const QString& name);

    // The paper the PDF printer uses by default: Letter where the locale measures in
    // inches (US), A4 elsewhere.
    static QPageSize::PageSizeId LocalePaper();

private:
    bool IsPdf() const;
    QPageLayout PdfLayout(const QPageSize& paper) const;
    void Finish(bool keep);

    PdfNamePrompt AskPdfName;
    std::optional<QString> PdfOutput;
    QPageSize::PageSizeId PdfPaper;
    QDateTime PdfDate;
    QString ChosenPaper; // empty: each printer's default
    bool Landscape = false;
    QStringList SystemNames;
    int Current = -2; // none yet
    QString Title;
    DeviceCaps CurrentCaps;
    std::unique_ptr<QtSurface> Surface_;
    std::unique_ptr<QPrinter> SystemPrinter;
    std::unique_ptr<PdfDocument> Pdf;
    class PdfOutputDevice;
    std::unique_ptr<PdfOutputDevice> PdfDevice;
    std::unique_ptr<TextFile::ReplacingFile> PdfFile;
    std::unique_ptr<QPainter> Painter;
};
