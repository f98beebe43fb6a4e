// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/PrintJob.h"
#include "words/PictureEntry.h"
#include "platform/Translations.h"
#include "game/CheckCode.h"
#include "output/CardPrinting.h"
#include "output/CellText.h"
#include "platform/Printers.h"
#include "platform/Surface.h"

#include <algorithm>
#include <optional>

namespace {

// The line under each numbered card: the card face, regular, as large as fits both the
// card's width and a third of the space below the lowest card (the page's bottom margin on
// a page of two or four), the same size for every card of the job.
struct FooterStyle {
    QString Face;
    int Points;
    int CardPoints;
    int Gap; // between the grid and the text
};

// The line under a card: a numbered card's "Card 17 · Game CODE" on the left, a design's
// footer on the right (centred where it stands alone).
struct FooterLine {
    bool Numbered;
    QString Design;
    bool Any() const { return Numbered || !Design.isEmpty(); }
};

// The cards of a page, as their lines are planned: where they are, how many rows and columns
// each takes, and where the page's drawable area ends.
struct FooterSpace {
    const PageLayout& Page;
    int Rows;
    int Cols;
    int PageBottom;
};

FooterStyle PlanFooter(Surface& canvas, const FooterSpace& space, const CardJob& job, int total, const FooterLine& line)
{
    const PageLayout& page = space.Page;
    const int rows = space.Rows, cols = space.Cols;
    int below = space.PageBottom;
    for (const CardPlace& place : page.Cards) {
        int next = space.PageBottom;
        for (const CardPlace& other : page.Cards)
            if (other.X == place.X && other.Y > place.Y)
                next = std::min(next, other.Y);
        below = std::min(below, next - (place.Y + rows * page.Z));
    }
    FooterStyle style{canvas.FontFace(), std::max(1, canvas.FontSize() / 2), canvas.FontSize(), page.Z / 12};
    // The widest line: the highest number, and a check code of the widest letter.
    QString widest = line.Numbered ? CardFooterText(std::max(total, job.FirstCard + total - 1), job.GameCode,
                                                    job.CheckSecret.isEmpty() ? QString() : QString(CheckCode::Length, u'W'),
                                                    FooterWords::In(job.Language))
                                   : QString();
    if (!line.Design.isEmpty())
        widest += (line.Numbered ? QStringLiteral("    ") : QString()) + line.Design;
    const int height = std::min(page.Z / 3, below / 3);
    canvas.SetFont(style.Face, style.Points, false);
    while ((canvas.TextHeight(widest) > height || canvas.TextWidth(widest) > cols * page.Z) && ShrinkFont(canvas)) {
    }
    style.Points = canvas.FontSize();
    style.Gap = std::min(style.Gap, std::max(0, below - canvas.TextHeight(widest)) / 2);
    canvas.SetFont(style.Face, style.CardPoints, true);
    return style;
}

// Every card's line differs only in its number and check code: drawn as "Card ", the number
// digit by digit, the game part, then " · Check " and the code letter by letter, each piece
// is measured and shaped once for the whole job.
// Where a card's line goes (under the grid, across its width), and whose it is.
struct FooterPlace {
    int X;
    int Bottom;
    int Width;
};
struct CardIdentity {
    int Card;
    QString GameCode;
    QString Check; // empty: none printed
};

void PrintFooter(Surface& canvas, const FooterStyle& style, FooterPlace at, const CardIdentity& whose,
                 const FooterWords& words, const FooterLine& line)
{
    int x = at.X;
    const int bottom = at.Bottom, width = at.Width, card = whose.Card;
    const QString& gameCode = whose.GameCode;
    const QString& check = whose.Check;
    canvas.SetFont(style.Face, style.Points, false);
    if (!line.Design.isEmpty()) {
        const int w = canvas.TextWidth(line.Design);
        canvas.TextOut(line.Numbered ? x + width - w : x + (width - w) / 2, bottom + style.Gap, line.Design);
    }
    QStringList pieces;
    if (line.Numbered) {
        pieces << words.Card + u' ';
        for (QChar digit : QString::number(card))
            pieces << QString(digit);
        pieces << QStringLiteral(" \u00b7 ") + words.Game + u' ' + gameCode;
    }
    if (!check.isEmpty()) {
        pieces << QStringLiteral(" \u00b7 ") + words.Check + u' ';
        for (QChar letter : check)
            pieces << QString(letter);
    }
    for (const QString& piece : pieces) {
        canvas.TextOut(x, bottom + style.Gap, piece);
        x += canvas.TextWidth(piece);
    }
    canvas.SetFont(style.Face, style.CardPoints, true);
}

// A design's title, fitted into the row above its card as a word into a cell.
void PrintTitle(Surface& canvas, const DesignedLook& look, int x, int y, int width, int height, CellFitCache* fits)
{
    CardLook lines(canvas, &look);
    lines.ForLines();
    fits->Draw(canvas, x, y, width, height, look.Design.Title, true, 2);
}

} // namespace

OpenJob::~OpenJob()
{
    if (!Ended) {
        try {
            Target.Abort();
        } catch (...) {
        }
    }
}

void OpenJob::End()
{
    Target.EndDoc();
    Ended = true;
}

FooterWords FooterWords::In(const QString& language)
{
    const auto say = [&](const char* word) { return Translations::Translate(language, "FooterWords", word); };
    return {say(QT_TRANSLATE_NOOP("FooterWords", "Card")), say(QT_TRANSLATE_NOOP("FooterWords", "Game")),
            say(QT_TRANSLATE_NOOP("FooterWords", "Check")), say(QT_TRANSLATE_NOOP("FooterWords", "Strip")),
            say(QT_TRANSLATE_NOOP("FooterWords", "Ticket"))};
}

QString CardFooterText(int card, const QString& gameCode, const QString& check, const FooterWords& words)
{
    const QString line = QStringLiteral("%1 %2 \u00b7 %3 %4").arg(words.Card).arg(card).arg(words.Game, gameCode);
    return check.isEmpty() ? line : line + QStringLiteral(" \u00b7 %1 %2").arg(words.Check, check);
}

void PreparePrinter(Printers& printers, int printerIndex, const QString& fontName, int fontSize, bool landscape)
{
    printers.UseLandscape(landscape);
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
    // A title takes a row above the card: the page is laid out for it, the card drawn below.
    const int titleRows = PageRows(job.Options, job.Look.Design) - rows;
    const PageLayout page = LayoutPage(job.PerPage, caps, rows + titleRows, cols, canvas.PenWidth());
    const int pages = PageCount(job.Cards, job.PerPage);
    const int total = pages * job.PerPage;

    if (!printers.BeginDoc())
        return false;
    OpenJob open(printers);
    CellFitCache fits;
    const FooterLine line{!job.GameCode.isEmpty(), job.Look.Design.Footer};
    const std::optional<FooterStyle> footer =
        line.Any() ? std::optional(PlanFooter(canvas, {page, rows + titleRows, cols, caps.VertRes}, job, total, line))
                   : std::nullopt;
    const FooterWords words = FooterWords::In(job.Language);
    std::optional<EvenSizes> even;
    if (job.SameTextSize) {
        const int box = page.Z - canvas.PenWidth();
        even = EvenSizes{EvenSize(canvas, EntryCaptions(job.AllWords), box, box, job.Options.WordWrap, 2),
                         EvenSize(canvas, HeadingLetters(job.Options.HeadingText), box, box, job.Options.WordWrap, 2)};
    }
    int done = 0;
    for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
        for (const CardPlace& place : page.Cards) {
            if (progress && !progress(done, total))
                return false;
            arrange();
            const int top = place.Y + titleRows * page.Z;
            if (titleRows > 0)
                PrintTitle(canvas, job.Look, place.X, place.Y, page.Z * cols, page.Z - canvas.PenWidth(), &fits);
            PrintCard(canvas, CardPlacement::OnPaper({place.X, top}, page.Z, rows, cols), job.Options, cells, &fits,
                      even ? &*even : nullptr, &job.Look);
            ++done;
            if (footer) {
                CardLook look(canvas, &job.Look);
                look.ForLines();
                const int card = job.FirstCard + done - 1;
                PrintFooter(canvas, *footer, {place.X, top + rows * page.Z + canvas.PenWidth(), page.Z * cols},
                            {card, job.GameCode, line.Numbered ? CheckCode::Of(job.CheckSecret, card) : QString()}, words, line);
            }
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
    canvas.SetFontSize(start);
    return ShrunkSize(canvas, columnWidth, [&] {
        return canvas.TextWidth(word) + 2LL * canvas.TextWidth(QStringLiteral("M"));
    });
}

bool RunCallListJob(Printers& printers, const QStringList& words, const JobProgress& progress, const QString& heading,
                    const PictureShelf* pictures)
{
    const DeviceCaps caps = printers.Caps();
    Surface& canvas = printers.Canvas();
    const int mx = 3 * caps.PhysicalOffsetX;
    // A heading line (a game's code) takes its height and half as much again off the top.
    const int headingHeight = heading.isEmpty() ? 0 : canvas.TextHeight(heading) * 3 / 2;
    const int my = 3 * caps.PhysicalOffsetY + headingHeight;
    const int columnHeight = caps.VertRes - 2 * my + headingHeight;

    // Columns are planned from the full-size heights. 75 words of 160 pixels in a column
    // of 5400 need 12000 / 5400, rounded up: 3 columns.
    // A row's height: a line, or two for a picture beside its caption.
    const auto rowHeight = [&](const QString& word) {
        return canvas.TextHeight(word) * (pictures && AsPicture(word) ? 2 : 1);
    };
    long long height = 0;
    for (const QString& word : words)
        height += rowHeight(word);
    long long columns = columnHeight > 0 ? height / columnHeight + (height % columnHeight != 0 ? 1 : 0) : 1;
    if (columns < 1)
        columns = 1;
    const int columnWidth = static_cast<int>((caps.HorzRes - 2 * mx) / columns);

    if (!printers.BeginDoc())
        return false;
    OpenJob open(printers);
    if (!heading.isEmpty())
        canvas.TextOut(mx, my - headingHeight, heading);
    int column = 0;
    int y = 0;
    const int total = static_cast<int>(words.size());
    const int remembered = canvas.FontSize();
    for (int i = 0; i < total; ++i) {
        if (progress && !progress(i, total))
            return false;
        const QString& entry = words[i];
        if (y >= columnHeight) {
            y = 0;
            ++column;
        }
        int x = mx + column * columnWidth;
        const std::optional<PictureEntry> picture = pictures ? AsPicture(entry) : std::nullopt;
        const int pictureRow = picture ? rowHeight(entry) : 0;
        if (picture) {
            if (const Picture* shown = pictures->Find(picture->Path))
                canvas.DrawPicture(QRect(x, my + y, pictureRow, pictureRow), *shown);
            x += pictureRow + canvas.TextWidth(QStringLiteral("M"));
        }
        const QString word = EntryCaption(entry);
        canvas.SetFontSize(CallListSize(canvas, word, columnWidth - (x - mx - column * columnWidth), remembered));
        // A word's line is as tall as it prints (smaller where it shrank); a picture's row its own.
        const int height = canvas.TextHeight(word);
        canvas.TextOut(x, my + y + (picture ? (pictureRow - height) / 2 : 0), word);
        y += picture ? pictureRow : height;
        canvas.SetFontSize(remembered);
    }
    if (progress)
        progress(total, total);
    open.End();
    return true;
}
