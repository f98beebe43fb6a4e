// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/NinetyBall.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A 90-ball ticket as a web page to mark on a screen, as the card pages are: one
// self-contained file, its numbers buttons a player taps, its blanks shaded, one line, two
// lines or a full house said when complete, the marks kept in the browser under its key.
struct WebTicket {
    NinetyBall::Ticket Ticket{};
    QString Title;            // above the ticket
    QString Footer;           // "Strip 17 · Ticket 3 · Game K7F2-9QXA", or "Strip 17 · Ticket 3"
    QStringList FontFamilies; // the card face, where the device has one of them
    QString StorageKey;       // where the browser keeps the marks
};

QByteArray TicketWebPage(const WebTicket& ticket);
