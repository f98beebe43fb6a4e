// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/PrintJob.h"
#include "game/NinetyBall.h"

#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class Printers;
class Surface;
struct DeviceCaps;

// Printed 90-ball tickets: a strip of six tickets stacked down a page with a cutting gap
// under each, or two strips side by side on a landscape page. Cells are a little wider than
// tall; numbers are bold in the card font, centred, all at one size that fits every cell;
// the blanks are shaded lightly.

struct StripPlace {
    int X;
    int Y;
};

struct StripLayout {
    int CellWidth = 0;
    int CellHeight = 0;
    int Gap = 0; // under each ticket: room for its line and for the scissors
    std::vector<StripPlace> Strips;

    int TicketWidth() const { return NinetyBall::Columns * CellWidth; }
    int TicketHeight() const { return NinetyBall::Rows * CellHeight; }
    // The top of ticket t (0-based) of a strip placed at y.
    int TicketTop(int y, int t) const { return y + t * (TicketHeight() + Gap); }
};

// 1 strip a page (upright) or 2 (side by side; the page is expected to be landscape).
// `titleBand`: the height kept free above the strips for a design's title.
StripLayout LayoutStrips(int perPage, const DeviceCaps& caps, int penWidth, int titleBand = 0);

// One ticket with its top-left corner at (x, y); its numbers centred in the surface's
// current font, whose size TicketNumberPoints gives from the card size.
// A look, when given, draws it in its design's colours: the lines in the grid's colour, the
// numbers in the words' on the tint, and the blanks in the heading band's colour.
void PrintTicket(Surface& surface, int x, int y, int cellWidth, int cellHeight, const NinetyBall::Ticket& ticket,
                 const DesignedLook* look = nullptr);
int TicketNumberPoints(Surface& surface, int cellWidth, int cellHeight);

// The main window's sample: a whole strip filling the paint box (the tickets in one column,
// or in two of three where the numbers come out larger), in the card face, bold, with the
// font set as it found it.
// A look, when given, colours the tickets as printed.
void PaintSampleStrip(Surface& surface, const NinetyBall::Strip& strip, int width, int height, const QString& face,
                      int points, const DesignedLook* look = nullptr);
// The strip read out for a screen reader: "Ticket 1. Row 1: 4, 21, ... Ticket 2. ...".
QString DescribeStrip(const NinetyBall::Strip& strip);

// "Strip 17 · Ticket 3 · Game K7F2-9QXA", the line under a ticket of a numbered game.
QString TicketFooterText(int strip, int ticket, const QString& gameCode, const FooterWords& words = FooterWords::In({}));

// A job of strips on the current printer, whose font is already set (and which was made
// current after UseLandscape where there are two a page). `strip(n)` gives strip n
// (1-based); progress counts strips. Returns false as RunCardJob does.
struct StripJob {
    int Strips = 1;
    int PerPage = 1; // 1 or 2
    QString GameCode; // with a code, every ticket carries its line
    QString Language; // its language: the game's (empty: English)
    // A design: its title above each strip, its footer on each ticket's line, its colours.
    DesignedLook Look;
};
bool RunStripJob(Printers& printers, const StripJob& job, const std::function<NinetyBall::Strip(int)>& strip,
                 const JobProgress& progress);

// One ticket to a file of its own (an exported ticket): laid out where a strip's first ticket
// prints on an upright page, with its line under it where there is a game code. The file
// cuts out TicketFileArea: the ticket and its line, with half a cell around.
QRect TicketFileArea(const DeviceCaps& caps, int penWidth);
bool RunTicketFileJob(Printers& printers, const NinetyBall::Ticket& ticket, int strip, int ticketOnStrip,
                      const QString& gameCode, const QString& language = {}, const DesignedLook* look = nullptr);
