// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QStringList>
#include <QCoreApplication>

class Surface;

// What a print job learns of its printer, in the printer's device pixels.
struct DeviceCaps {
    int HorzRes = 0;         // printable width
    int VertRes = 0;         // printable height
    int PhysicalOffsetX = 0; // printable area's offset from the paper's left edge
    int PhysicalOffsetY = 0; // ... and from its top edge
    int LogPixelsY = 0;      // resolution
};

// The printers a job can go to: the system's printers in the system's order, then the
// built-in "Print to PDF". One of them is current; a job is begun, paged and ended on it,
// drawing on its Canvas (origin at the corner of the printable area).
// BeginDoc returns false when the user declined (the PDF printer's file dialog cancelled):
// nothing has been started then. Failures throw PlatformError.
class Printers {
public:
    virtual ~Printers() = default;

    virtual QStringList Names() = 0;
    // Index of the system's default printer, or of the PDF printer where the system has none.
    virtual int DefaultIndex() = 0;
    // Makes a printer current; -1 is the default printer.
    virtual void SetCurrent(int index) = 0;
    virtual DeviceCaps Caps() = 0;
    virtual void SetTitle(const QString& title) = 0;
    virtual bool BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() = 0;
    virtual Surface& Canvas() = 0;

    // The papers a printer takes, by name ("Letter", "A4" ...), and the one it starts at.
    // A paper chosen with UsePaper holds for the printers made current after it; without
    // one, each printer prints on its own default paper.
    virtual QStringList PaperNames(int index) { (void)index; return {}; }
    virtual QString DefaultPaper(int index) { (void)index; return {}; }
    virtual void UsePaper(const QString& name) { (void)name; }
    // Pages wider than tall, for the printers made current after it (two strips of tickets
    // side by side). Where a printer can't turn its pages, they stay upright.
    virtual void UseLandscape(bool landscape) { (void)landscape; }
};

inline const QString PdfPrinterName = QStringLiteral("Print to PDF");

inline QString NoDefaultPrinterMessage()
{
    return QCoreApplication::translate("Printers", "There is no default printer currently selected");
}
