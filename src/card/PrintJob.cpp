#include "card/PrintJob.h"
#include "card/CardPrinting.h"
#include "card/CellText.h"
#include "platform/Printers.h"
#include "platform/Surface.h"

#include <algorithm>

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

int CallListSize(Surface& canvas, const QString& word, int columnWidth, int start)
{
    // What the word needs at a size: its width and a margin of one "M" on either side.
    auto needs = [&](int size) {
        canvas.SetFontSize(size);
        return canvas.TextWidth(word) + 2LL * canvas.TextWidth(QStringLiteral("M"));
    };
    const long long atStart = needs(start);
    if (start <= 1 || atStart <= columnWidth)
        return start;
    // Shrinking goes from min(start, the largest size) - 1 down to 1 point and stops at 1
    // whether the word fits there or not.
    const int top = std::min(start, MaxFontPoints) - 1;
    if (top <= 1)
        return std::max(top, 1);
    // Widths grow in proportion to the size, give or take the rounding of each glyph's
    // advance: estimate from the one measurement, and measure again only where the
    // estimate is within a quarter of the column of the edge.
    const int drawn = std::min(start, MaxFontPoints);
    auto estimate = [&](int size) { return static_cast<double>(atStart) * size / drawn; };
    auto tooWide = [&](int size) {
        const double guess = estimate(size);
        if (guess > 1.25 * columnWidth)
            return true;
        if (guess < 0.8 * columnWidth)
            return false;
        return needs(size) > columnWidth;
    };
    int size = static_cast<int>(std::clamp<long long>(atStart > 0 ? drawn * static_cast<long long>(columnWidth) / atStart : 1,
                                                      1, top));
    if (tooWide(size)) {
        while (size > 1 && tooWide(--size)) {
        }
        return size;
    }
    while (size < top && !tooWide(size + 1))
        ++size;
    return size;
}

bool RunCallListJob(Printers& printers, const QStringList& words, const JobProgress& progress)
{
    const DeviceCaps caps = printers.Caps();
    Surface& canvas = printers.Canvas();
    const int mx = 3 * caps.PhysicalOffsetX;
    const int my = 3 * caps.PhysicalOffsetY;
    const int columnHeight = caps.VertRes - 2 * my;

    // Columns are planned from the full-size heights. 75 words of 160 pixels in a column
    // of 5400 need 12000 / 5400, rounded up: 3 columns.
    long long height = 0;
    for (const QString& word : words)
        height += canvas.TextHeight(word);
    long long columns = columnHeight > 0 ? height / columnHeight + (height % columnHeight != 0 ? 1 : 0) : 1;
    if (columns < 1)
        columns = 1;
    const int columnWidth = static_cast<int>((caps.HorzRes - 2 * mx) / columns);

    if (!printers.BeginDoc())
        return false;
    OpenJob open(printers);
    int column = 0;
    int y = 0;
    const int total = static_cast<int>(words.size());
    const int remembered = canvas.FontSize();
    for (int i = 0; i < total; ++i) {
        if (progress && !progress(i, total))
            return false;
        const QString& word = words[i];
        if (y >= columnHeight) {
            y = 0;
            ++column;
        }
        canvas.SetFontSize(CallListSize(canvas, word, columnWidth, remembered));
        canvas.TextOut(mx + column * columnWidth, my + y, word);
        y += canvas.TextHeight(word);
        canvas.SetFontSize(remembered);
    }
    if (progress)
        progress(total, total);
    open.End();
    return true;
}
