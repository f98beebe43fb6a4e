#include "support/FakePrinters.h"
#include "platform/PlatformError.h"

FakePrinters::FakePrinters()
{
    DeviceCapsValue = {4800, 6300, 150, 150, 600};
}

void FakePrinters::SetCurrent(int index)
{
    if (Refuse)
        throw PlatformError(NoDefaultPrinterMessage);
    Calls << QStringLiteral("current %1").arg(index);
}

bool FakePrinters::BeginDoc()
{
    if (DeclineBegin)
        return false;
    Calls << "begin";
    PageStarts = {Paper.Texts.size()};
    PageLineStarts = {Paper.Lines.size()};
    return true;
}

void FakePrinters::NewPage()
{
    Calls << "page";
    PageStarts.push_back(Paper.Texts.size());
    PageLineStarts.push_back(Paper.Lines.size());
}
