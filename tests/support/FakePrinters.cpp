// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "support/FakePrinters.h"
#include "platform/PlatformError.h"

FakePrinters::FakePrinters()
{
    DeviceCapsValue = {4800, 6300, 150, 150, 600};
}

void FakePrinters::SetCurrent(int index)
{
    if (Refuse)
        throw PlatformError(NoDefaultPrinterMessage());
    Calls << QStringLiteral("current %1").arg(index);
}

bool FakePrinters::BeginDoc()
{
    if (DeclineBegin)
        return false;
    Calls << "begin";
    return true;
}

void FakePrinters::NewPage()
{
    Calls << "page";
}
