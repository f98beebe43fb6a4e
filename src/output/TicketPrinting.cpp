// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/TicketPrinting.h"
#include "output/CardLook.h"
#include "output/CardPrinting.h"
#include "output/CellText.h"
#include "platform/Printers.h"
#include "platform/Surface.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

using NinetyBall::Columns;
using NinetyBall::Rows;
using NinetyBall::TicketsPerStrip;

StripLayout LayoutStrips(int perPage, const DeviceCaps& caps, int penWidth, int titleBand)
{
    const int mx = 3 * caps.PhysicalOffsetX;
    const int my = 3 * caps.PhysicalOffsetY + titleBand;
    const int width = caps.HorzRes - 2 * mx - 2 * penWidth;
    const int height = caps.VertRes - 2 * my - penWidth + titleBand;
    StripLayout layout;
    // Down the page: 18 rows of cells and a gap of three quarters of a row under each ticket.
    // Across: two strips keep a cell's width between them. A cell is at least as wide as
    // tall (two strips on an upright page get smaller cells) and at most 1.6 times.
    const int across = perPage == 2 ? 2 * Columns + 1 : Columns;
    layout.CellHeight =
        std::max(1, std::min(height * 4 / (4 * Rows * TicketsPerStrip + 3 * TicketsPerStrip), width / across));
    layout.Gap = layout.CellHeight * 3 / 4;
    layout.CellWidth = std::max(1, std::min(width / across, layout.CellHeight * 8 / 5));
    const int used = TicketsPerStrip * (layout.TicketHeight() + layout.Gap);
    const int y = my + std::max(0, (height - used) / 2);
    const int x = (caps.HorzRes - across * layout.CellWidth) / 2;
    layout.Strips.push_back({x, y});
    if (perPage == 2)
        layout.Strips.push_back({x + (Columns + 1) * layout.CellWidth, y});
    return layout;
}

void PrintTicket(Surface& surface, int x, int y, int cellWidth, int cellHeight, const NinetyBall::Ticket& ticket,
                 const DesignedLook* look)
{
    const int p = surface.PenWidth();
    CardLook design(surface, look);
    const CardDesign* d = look && !look->IsPlain() ? &look->Design : nullptr;
    if (d && d->Tint.isValid())
        surface.FillBox(QRect(x, y, Columns * cellWidth, Rows * cellHeight), d->Tint);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            if (ticket.Cells[static_cast<size_t>(r)][static_cast<size_t>(c)] == 0) {
                if (d && d->Band.isValid())
                    surface.FillBox(QRect(x + c * cellWidth + p, y + r * cellHeight + p, cellWidth - p, cellHeight - p), d->Band);
                else
                    surface.Shade(x + c * cellWidth + p, y + r * cellHeight + p, cellWidth - p, cellHeight - p);
            }
    design.ForGrid();
    for (int r = 0; r <= Rows; ++r)
        surface.Line(x, y + r * cellHeight, x + Columns * cellWidth, y + r * cellHeight);
    for (int c = 0; c <= Columns; ++c)
        surface.Line(x + c * cellWidth, y, x + c * cellWidth, y + Rows * cellHeight);
    design.ForWords();
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) {
            const int n = ticket.Cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (n == 0)
                continue;
            const QString text = QString::number(n);
            surface.TextOut(x + c * cellWidth + p + (cellWidth - p - surface.TextWidth(text)) / 2,
                            y + r * cellHeight + p + (cellHeight - p - surface.TextHeight(text)) / 2, text);
        }
}

int TicketNumberPoints(Surface& surface, int cellWidth, int cellHeight)
{
    // Every number at one size: the card size, or less where the widest would not leave
    // an "M" free across its cell or would be taller than nine tenths of it.
    const int remembered = surface.FontSize();
    const int inside = cellWidth - surface.PenWidth();
    while ((surface.TextWidth(QStringLiteral("88")) + surface.TextWidth(QStringLiteral("M")) > inside ||
            surface.TextHeight(QStringLiteral("88")) > (cellHeight - surface.PenWidth()) * 9 / 10) &&
           ShrinkFont(surface)) {
    }
    const int points = surface.FontSize();
    surface.SetFontSize(remembered);
    return points;
}

void PaintSampleStrip(Surface& surface, const NinetyBall::Strip& strip, int width, int height, const QString& face,
                      int points, const DesignedLook* look)
{
    surface.FillBackground();
    const int p = surface.PenWidth();
    // The six tickets in one column or in two of three, which fill a wide box, unless one
    // column lets the numbers be a tenth larger (a number needs about twice its height
    // across, "88" and an "M" of room); half a row
    // between the tickets and half a cell between the columns; a cell at most twice as wide
    // as tall and at most a fifth taller than wide.
    struct Plan {
        int Across = 1, CellWidth = 1, CellHeight = 1;
    } best;
    int bestSize = -1;
    for (const int across : {1, 2}) {
        const int down = TicketsPerStrip / across;
        Plan plan{across, 1, 1};
        plan.CellHeight = std::max(1, (height - p) * 2 / (2 * Rows * down + down - 1));
        plan.CellWidth = std::max(1, std::min((width - p) * 2 / (2 * Columns * across + across - 1), 2 * plan.CellHeight));
        plan.CellHeight = std::min(plan.CellHeight, plan.CellWidth * 6 / 5);
        const int size = std::min(plan.CellWidth * 10 / 2, plan.CellHeight * 8) * (across == 2 ? 11 : 10);
        if (size > bestSize) {
            best = plan;
            bestSize = size;
        }
    }
    const int down = TicketsPerStrip / best.Across;
    const int gap = best.CellHeight / 2;
    const int columnGap = best.CellWidth / 2;
    const int x = (width - best.Across * Columns * best.CellWidth - (best.Across - 1) * columnGap) / 2;
    const int y = (height - down * Rows * best.CellHeight - (down - 1) * gap) / 2;
    const QString rememberedFace = surface.FontFace();
    const int rememberedPoints = surface.FontSize();
    const bool rememberedBold = surface.FontBold();
    surface.SetFont(face, points, true);
    surface.SetFontSize(TicketNumberPoints(surface, best.CellWidth, best.CellHeight));
    for (int t = 0; t < TicketsPerStrip; ++t)
        PrintTicket(surface, x + (t / down) * (Columns * best.CellWidth + columnGap),
                    y + (t % down) * (Rows * best.CellHeight + gap), best.CellWidth, best.CellHeight,
                    strip[static_cast<size_t>(t)], look);
    surface.SetFont(rememberedFace, rememberedPoints, rememberedBold);
}

QString DescribeStrip(const NinetyBall::Strip& strip)
{
    QStringList parts;
    for (int t = 0; t < TicketsPerStrip; ++t) {
        parts << QCoreApplication::translate("TicketPrinting", "Ticket %1.").arg(t + 1);
        for (int r = 0; r < Rows; ++r) {
            QStringList numbers;
            for (const int n : strip[static_cast<size_t>(t)].Cells[static_cast<size_t>(r)])
                if (n != 0)
                    numbers << QString::number(n);
            parts << QCoreApplication::translate("TicketPrinting", "Row %1: %2.").arg(r + 1).arg(numbers.join(QStringLiteral(", ")));
        }
    }
    return parts.join(u' ');
}

QString TicketFooterText(int strip, int ticket, const QString& gameCode, const FooterWords& words)
{
    return QStringLiteral("%1 %2 \u00b7 %3 %4 \u00b7 %5 %6")
        .arg(words.Strip)
        .arg(strip)
        .arg(words.Ticket)
        .arg(ticket)
        .arg(words.Game, gameCode);
}

namespace {

// The line under each ticket, regular, as large as fits half the gap and the ticket's width.
struct TicketLine {
    QString Face;
    int Points;
    FooterWords Words;
    bool Numbered = true; // a game's "Strip 3 · Ticket 2 · Game CODE" on the left
    QString Design;       // a design's footer, on the right (centred alone)
};

TicketLine PlanTicketLine(Surface& canvas, const StripLayout& layout, int strips, const QString& gameCode,
                          const FooterWords& words, const QString& designFooter = {})
{
    const QString face = canvas.FontFace();
    const int cardPoints = canvas.FontSize();
    QString widest = gameCode.isEmpty() ? QString() : TicketFooterText(strips, TicketsPerStrip, gameCode, words);
    if (!designFooter.isEmpty())
        widest += (gameCode.isEmpty() ? QString() : QStringLiteral("    ")) + designFooter;
    canvas.SetFont(face, std::max(1, cardPoints / 2), false);
    while ((canvas.TextHeight(widest) > layout.Gap / 2 || canvas.TextWidth(widest) > layout.TicketWidth()) &&
           ShrinkFont(canvas)) {
    }
    const TicketLine line{face, canvas.FontSize(), words, !gameCode.isEmpty(), designFooter};
    canvas.SetFont(face, cardPoints, true);
    return line;
}

// The line under a ticket, where a game or a design's footer has one.
std::optional<TicketLine> TicketLineFor(Surface& canvas, const StripLayout& layout, int strips, const QString& gameCode,
                                        const QString& language, const DesignedLook* look)
{
    const QString footer = look ? look->Design.Footer : QString();
    if (gameCode.isEmpty() && footer.isEmpty())
        return std::nullopt;
    return PlanTicketLine(canvas, layout, strips, gameCode, FooterWords::In(language), footer);
}

// Every line differs only in its numbers: drawn in pieces ("Strip ", each digit, ...), each
// is measured and shaped once for the whole job.
void PrintTicketLine(Surface& canvas, const TicketLine& style, int x, int y, int width, int strip, int ticket,
                     const QString& gameCode, const DesignedLook* look)
{
    const int cardPoints = canvas.FontSize();
    canvas.SetFont(style.Face, style.Points, false);
    CardLook lines(canvas, look);
    lines.ForLines();
    if (!style.Design.isEmpty()) {
        const int w = canvas.TextWidth(style.Design);
        canvas.TextOut(style.Numbered ? x + width - w : x + (width - w) / 2, y, style.Design);
    }
    QStringList pieces;
    if (style.Numbered) {
        pieces << style.Words.Strip + u' ';
        for (const QChar digit : QString::number(strip))
            pieces << QString(digit);
        pieces << QStringLiteral(" \u00b7 ") + style.Words.Ticket + u' ' << QString::number(ticket)
               << QStringLiteral(" \u00b7 ") + style.Words.Game + u' ' + gameCode;
    }
    for (const QString& piece : pieces) {
        canvas.TextOut(x, y, piece);
        x += canvas.TextWidth(piece);
    }
    canvas.SetFont(style.Face, cardPoints, true);
}

} // namespace

bool RunStripJob(Printers& printers, const StripJob& job, const std::function<NinetyBall::Strip(int)>& strip,
                 const JobProgress& progress)
{
    const DeviceCaps caps = printers.Caps();
    Surface& canvas = printers.Canvas();
    // A design's title takes a band at the top of the page, above each strip.
    const int titleBand = job.Look.Design.Title.isEmpty() ? 0 : caps.VertRes / 16;
    const StripLayout layout = LayoutStrips(job.PerPage, caps, canvas.PenWidth(), titleBand);
    const int pages = PageCount(job.Strips, job.PerPage);
    const int total = pages * job.PerPage;
    if (!printers.BeginDoc())
        return false;
    OpenJob open(printers);
    const std::optional<TicketLine> line = TicketLineFor(canvas, layout, total, job.GameCode, job.Language, &job.Look);
    CellFitCache titles;
    const int cardPoints = canvas.FontSize();
    canvas.SetFontSize(TicketNumberPoints(canvas, layout.CellWidth, layout.CellHeight));
    int done = 0;
    for (int page = 0; page < pages; ++page) {
        for (const StripPlace& place : layout.Strips) {
            if (progress && !progress(done, total))
                return false;
            ++done;
            const NinetyBall::Strip tickets = strip(done);
            if (titleBand > 0) {
                CardLook lines(canvas, &job.Look);
                lines.ForLines();
                const int size = canvas.FontSize();
                canvas.SetFontSize(cardPoints);
                titles.Draw(canvas, place.X, place.Y - titleBand, layout.TicketWidth(), titleBand - layout.Gap / 2,
                            job.Look.Design.Title, true, 2);
                canvas.SetFontSize(size);
            }
            for (int t = 0; t < TicketsPerStrip; ++t) {
                const int top = layout.TicketTop(place.Y, t);
                PrintTicket(canvas, place.X, top, layout.CellWidth, layout.CellHeight, tickets[static_cast<size_t>(t)],
                            &job.Look);
                if (line)
                    PrintTicketLine(canvas, *line, place.X, top + layout.TicketHeight() + canvas.PenWidth() + layout.Gap / 8,
                                    layout.TicketWidth(), done, t + 1, job.GameCode, &job.Look);
            }
        }
        if (page + 1 < pages)
            printers.NewPage();
    }
    canvas.SetFontSize(cardPoints);
    if (progress)
        progress(done, total);
    open.End();
    return true;
}

QRect TicketFileArea(const DeviceCaps& caps, int penWidth)
{
    const StripLayout layout = LayoutStrips(1, caps, penWidth);
    const StripPlace place = layout.Strips.front();
    return QRect(place.X - layout.CellWidth / 2, place.Y - layout.CellHeight / 2,
                 layout.TicketWidth() + layout.CellWidth + penWidth, layout.TicketHeight() + layout.Gap + layout.CellHeight / 2);
}

bool RunTicketFileJob(Printers& printers, const NinetyBall::Ticket& ticket, int strip, int ticketOnStrip,
                      const QString& gameCode, const QString& language, const DesignedLook* look)
{
    const DeviceCaps caps = printers.Caps();
    Surface& canvas = printers.Canvas();
    const StripLayout layout = LayoutStrips(1, caps, canvas.PenWidth());
    if (!printers.BeginDoc())
        return false;
    OpenJob open(printers);
    const std::optional<TicketLine> line = TicketLineFor(canvas, layout, strip, gameCode, language, look);
    const int cardPoints = canvas.FontSize();
    canvas.SetFontSize(TicketNumberPoints(canvas, layout.CellWidth, layout.CellHeight));
    const StripPlace place = layout.Strips.front();
    PrintTicket(canvas, place.X, place.Y, layout.CellWidth, layout.CellHeight, ticket, look);
    if (line)
        PrintTicketLine(canvas, *line, place.X, place.Y + layout.TicketHeight() + canvas.PenWidth() + layout.Gap / 8,
                        layout.TicketWidth(), strip, ticketOnStrip, gameCode, look);
    canvas.SetFontSize(cardPoints);
    open.End();
    return true;
}
