// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Printers.h"
#include "support/RecordingSurface.h"

// A Printers fake with chosen device caps that records the job: the calls in order
// ("current 0", "title Plumwick", "begin", "page", "end", "abort") and what was drawn.
class FakePrinters final : public Printers {
public:
    FakePrinters();

    QStringList Names() override { return PrinterNames; }
    int DefaultIndex() override { return Default; }
    void SetCurrent(int index) override;
    DeviceCaps Caps() override { return DeviceCapsValue; }
    void SetTitle(const QString& title) override { Calls << "title " + title; }
    bool BeginDoc() override;
    void NewPage() override;
    void EndDoc() override { Calls << "end"; }
    void Abort() override { Calls << "abort"; }
    Surface& Canvas() override { return Paper; }
    QStringList PaperNames(int index) override { return index == 0 ? QStringList{"Letter", "Legal"} : QStringList{"A4", "A5"}; }
    QString DefaultPaper(int index) override { return index == 0 ? "Letter" : "A4"; }
    void UsePaper(const QString& name) override
    {
        if (!name.isEmpty())
            Calls << "paper " + name;
    }

    void UseLandscape(bool landscape) override
    {
        if (landscape)
            Calls << "landscape";
    }

    QStringList PrinterNames = {"Laser", PdfPrinterName};
    int Default = 0;
    bool Refuse = false;        // SetCurrent raises the no-printer error
    bool DeclineBegin = false;  // BeginDoc answers as a cancelled file dialog
    DeviceCaps DeviceCapsValue;
    QStringList Calls;
    RecordingSurface Paper;
};
