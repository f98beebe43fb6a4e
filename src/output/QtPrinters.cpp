// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/QtPrinters.h"
#include "formats/PdfDocument.h"
#include "platform/PlatformError.h"
#include "output/QtSurface.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QCoreApplication>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int PdfDpi = 600;
constexpr double PdfBorderInches = 0.25;

DeviceCaps CapsOf(const QPageLayout& layout, int dpi)
{
    const QRect paint = layout.paintRectPixels(dpi);
    const QRect full = layout.fullRectPixels(dpi);
    DeviceCaps caps;
    caps.HorzRes = paint.width();
    caps.VertRes = paint.height();
    caps.PhysicalOffsetX = paint.left() - full.left();
    caps.PhysicalOffsetY = paint.top() - full.top();
    caps.LogPixelsY = dpi;
    return caps;
}

} // namespace

// The PDF engine's output: the replacing file's descriptor, written unbuffered, keeping the
// first error the system gave, so that a full disk is reported as one, with the file's name.
class QtPrinters::PdfOutputDevice final : public QIODevice {
public:
    explicit PdfOutputDevice(int fd) : Fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    int Error() const { return FirstError; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (FirstError)
            return -1;
        qint64 done = 0;
        while (done < size) {
            const ssize_t n = ::write(Fd, data + done, static_cast<size_t>(size - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                FirstError = n < 0 ? errno : EIO;
                setErrorString(QString::fromLocal8Bit(std::strerror(FirstError)));
                return -1;
            }
            done += n;
        }
        return done;
    }

private:
    int Fd;
    std::atomic<int> FirstError = 0; // set by the PDF writer's thread, read by the job's
};

QtPrinters::QtPrinters(PdfNamePrompt askPdfName)
    : AskPdfName(std::move(askPdfName)), PdfPaper(LocalePaper())
{
}

QtPrinters::~QtPrinters()
{
    // A job left open is dropped; the PDF writer's thread stops before its device goes.
    if (Painter || Pdf)
        Finish(false);
}

QPageSize::PageSizeId QtPrinters::LocalePaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QStringList QtPrinters::Names()
{
    // While a job runs its printer's place in the list stays as it was (the window may ask
    // for the list meanwhile, as it comes to the front).
    if (!Painter)
        SystemNames = QPrinterInfo::availablePrinterNames();
    return SystemNames + QStringList{PdfPrinterName};
}

int QtPrinters::DefaultIndex()
{
    if (SystemNames.isEmpty())
        SystemNames = QPrinterInfo::availablePrinterNames();
    const qsizetype at = SystemNames.indexOf(QPrinterInfo::defaultPrinterName());
    return at >= 0 ? static_cast<int>(at) : static_cast<int>(SystemNames.size());
}

bool QtPrinters::IsPdf() const
{
    return Current == SystemNames.size();
}

void QtPrinters::SetCurrent(int index)
{
    if (Painter)
        throw PlatformError(QCoreApplication::translate("QtPrinters", "Printing in progress"));
    Names();
    if (index == -1)
        index = DefaultIndex();
    if (index < 0 || index > SystemNames.size())
        throw PlatformError(NoDefaultPrinterMessage());
    Current = index;
    SystemPrinter.reset();
    if (IsPdf()) {
        const QPageSize paper = PdfPaperNamed(ChosenPaper).value_or(QPageSize(PdfPaper));
        CurrentCaps = CapsOf(PdfLayout(paper), PdfDpi);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(SystemNames[index]);
        if (info.isNull())
            throw PlatformError(NoDefaultPrinterMessage());
        SystemPrinter = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        for (const QPageSize& size : info.supportedPageSizes())
            if (!ChosenPaper.isEmpty() && size.name().compare(ChosenPaper, Qt::CaseInsensitive) == 0) {
                SystemPrinter->setPageSize(size);
                SystemPrinter->setPageOrientation(QPageLayout::Portrait);
            }
        if (Landscape)
            SystemPrinter->setPageOrientation(QPageLayout::Landscape);
        QPageLayout layout = SystemPrinter->pageLayout();
        layout.setUnits(QPageLayout::Point);
        SystemPrinter->setPageMargins(layout.minimumMargins(), QPageLayout::Point);
        CurrentCaps = CapsOf(SystemPrinter->pageLayout(), SystemPrinter->resolution());
    }
    Surface_ = std::make_unique<QtSurface>(CurrentCaps.LogPixelsY, Qt::white);
}

namespace {

struct NamedPaper {
    const char* Name;
    QPageSize::PageSizeId Id;
};
constexpr NamedPaper PdfPapers[] = {{"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal},
                                    {"Tabloid", QPageSize::Tabloid}, {"A3", QPageSize::A3},
                                    {"A4", QPageSize::A4},         {"A5", QPageSize::A5}};

} // namespace

QStringList QtPrinters::PdfPaperNames()
{
    QStringList names;
    for (const NamedPaper& paper : PdfPapers)
        names << QLatin1String(paper.Name);
    return names;
}

std::optional<QPageSize> QtPrinters::PdfPaperNamed(const QString& name)
{
    for (const NamedPaper& paper : PdfPapers)
        if (name.compare(QLatin1String(paper.Name), Qt::CaseInsensitive) == 0)
            return QPageSize(paper.Id);
    return std::nullopt;
}

QStringList QtPrinters::PaperNames(int index)
{
    Names();
    if (index < 0 || index >= SystemNames.size())
        return PdfPaperNames();
    QStringList names;
    for (const QPageSize& size : QPrinterInfo::printerInfo(SystemNames[index]).supportedPageSizes())
        names << size.name();
    return names;
}

QString QtPrinters::DefaultPaper(int index)
{
    Names();
    if (index < 0 || index >= SystemNames.size())
        return LocalePaper() == QPageSize::Letter ? QStringLiteral("Letter") : QStringLiteral("A4");
    return QPrinterInfo::printerInfo(SystemNames[index]).defaultPageSize().name();
}

void QtPrinters::UsePaper(const QString& name)
{
    ChosenPaper = name;
}

QPageLayout QtPrinters::PdfLayout(const QPageSize& paper) const
{
    return QPageLayout(paper, Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(PdfBorderInches, PdfBorderInches, PdfBorderInches, PdfBorderInches), QPageLayout::Inch);
}

DeviceCaps QtPrinters::Caps()
{
    if (Current < 0)
        SetCurrent(-1);
    return CurrentCaps;
}

void QtPrinters::SetTitle(const QString& title)
{
    Title = title;
}

Surface& QtPrinters::Canvas()
{
    if (!Surface_)
        SetCurrent(-1);
    return *Surface_;
}

bool QtPrinters::BeginDoc()
{
    if (Current < 0)
        SetCurrent(-1);
    Painter = std::make_unique<QPainter>();
    if (IsPdf()) {
        std::optional<QString> path = PdfOutput;
        if (!path && AskPdfName)
            path = AskPdfName();
        if (!path) {
            Painter.reset();
            return false;
        }
        Painter.reset();
        PdfFile = std::make_unique<TextFile::ReplacingFile>(*path);
        PdfDevice = std::make_unique<PdfOutputDevice>(PdfFile->Descriptor());
        const QPageLayout layout = PdfLayout(PdfPaperNamed(ChosenPaper).value_or(QPageSize(PdfPaper)));
        PdfDocument::Setup setup;
        setup.Title = Title;
        setup.Created = PdfDate;
        setup.Dpi = PdfDpi;
        setup.PagePoints = layout.fullRectPoints().size();
        const DeviceCaps caps = CapsOf(layout, PdfDpi);
        setup.AreaOffset = QPoint(caps.PhysicalOffsetX, caps.PhysicalOffsetY);
        setup.AreaPixels = QSize(caps.HorzRes, caps.VertRes);
        Pdf = std::make_unique<PdfDocument>(*PdfDevice, setup);
        Pdf->BeginPage();
        Surface_->Attach(Pdf.get());
        return true;
    } else {
        SystemPrinter->setDocName(Title);
        if (!Painter->begin(SystemPrinter.get())) {
            Painter.reset();
            throw PlatformError(QCoreApplication::translate("QtPrinters", "Printing failed"), SystemNames[Current]);
        }
    }
    Surface_->Attach(Painter.get());
    return true;
}

void QtPrinters::NewPage()
{
    Surface_->Flush();
    if (Pdf) {
        Pdf->BeginPage();
        Surface_->Attach(Pdf.get());
        if (PdfDevice->Error())
            PdfFile->Fail(PdfDevice->Error());
        return;
    }
    const bool ok = SystemPrinter->newPage();
    Surface_->Attach(Painter.get()); // the painter's state starts afresh on a new page
    if (!ok)
        throw PlatformError(QCoreApplication::translate("QtPrinters", "Printing failed"), SystemNames.value(Current));
}

void QtPrinters::EndDoc()
{
    Finish(true);
}

void QtPrinters::Abort()
{
    Finish(false);
}

void QtPrinters::Finish(bool keep)
{
    if (Surface_)
        Surface_->Attach(nullptr);
    if (!keep && SystemPrinter && Painter)
        SystemPrinter->abort();
    if (Painter && Painter->isActive())
        Painter->end();
    Painter.reset();
    if (!Pdf)
        return;
    if (keep)
        Pdf->Finish();
    Pdf.reset();
    // Taken out of the members first, so that a failure still leaves no job behind.
    auto device = std::move(PdfDevice);
    auto file = std::move(PdfFile);
    if (!keep)
        return;
    const int error = device->Error();
    device.reset();
    if (error)
        file->Fail(error);
    file->Commit();
}
