#include "card/PrintJob.h"
#include "card/CardPrinting.h"
#include "card/CellText.h"
#include "platform/Printers.h"
#include "platform/Surface.h"

namespace {

// Aborts a begun job unless it was ended, so that an error never leaves a job open.
class OpenJob {
public:
    explicit OpenJob(Printers& printers) : Target(printers) {}
    ~OpenJob()
    {
        if (!Ended) {
            try {
                Target.Abort();
            } catch (...) {
            }
        }
    }
    void End()
    {
        Target.EndDoc();
        Ended = true;
    }

private:
    Printers& Target;
    bool Ended = false;
};

} // namespace

void PreparePrinter(Printers& printers, int printerIndex, const QString& fontName, int fontSize)
{
    printers.SetCurrent(printerIndex);
    printers.SetTitle(QStringLiteral("Plumwick"));
    printers.Canvas().SetFont(fontName, fontSize, true);
}

bool RunCardJob(Printers& printers, const CardJob& job, const std::function<void()>& arrange,
                const QStringList& cells, const JobProgress& progress)
{
    const DeviceCaps caps = printers.Caps();
    Surface& canvas = printers.Canvas();
    const int cols = CardSide(job.Options.SizeIndex);
    const int rows = cols + (job.Options.Heading ? 1 : 0);
    const PageLayout page = LayoutPage(job.PerPage, caps, rows, cols, canvas.PenWidth());
    const int pages = PageCount(job.Cards, job.PerPage);
    const int total = pages * job.PerPage;

    if (!printers.BeginDoc())
        return false;
    OpenJob open(printers);
    CellFitCache fits;
    int done = 0;
    for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
        for (const CardPlace& place : page.Cards) {
            if (progress && !progress(done, total))
                return false;
            arrange();
            PrintCard(canvas, place.X, place.Y, page.Z, rows, cols, job.Options, cells, &fits);
            ++done;
        }
        if (pageIndex + 1 < pages)
            printers.NewPage();
    }
    if (progress)
        progress(done, total);
    open.End();
    return true;
}

bool RunCallListJob(Printers& printers, const QStringList& words)
{
    const DeviceCaps caps = printers.Caps();
    Surface& canvas = printers.Canvas();
    const int mx = 3 * caps.PhysicalOffsetX;
    const int my = 3 * caps.PhysicalOffsetY;
    const int columnHeight = caps.VertRes - 2 * my;

    // Columns are planned from the full-size heights. 75 words of 160 pixels in a column
    // of 5400 need 12000 / 5400, rounded up: 3 columns.
    long long total = 0;
    for (const QString& word : words)
        total += canvas.TextHeight(word);
    long long columns = columnHeight > 0 ? total / columnHeight + (total % columnHeight != 0 ? 1 : 0) : 1;
    if (columns < 1)
        columns = 1;
    const int columnWidth = static_cast<int>((caps.HorzRes - 2 * mx) / columns);

    if (!printers.BeginDoc())
        return false;
    OpenJob open(printers);
    int column = 0;
    int y = 0;
    for (const QString& word : words) {
        if (y >= columnHeight) {
            y = 0;
            ++column;
        }
        const int remembered = canvas.FontSize();
        while (canvas.TextWidth(word) > columnWidth - 2 * canvas.TextWidth(QStringLiteral("M")) &&
               ShrinkFont(canvas)) {
        }
        canvas.TextOut(mx + column * columnWidth, my + y, word);
        y += canvas.TextHeight(word);
        canvas.SetFontSize(remembered);
    }
    open.End();
    return true;
}
