// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/TicketWebPage.h"
#include "output/CardWebPage.h"

#include <QCoreApplication>

QByteArray TicketWebPage(const WebTicket& ticket)
{
    using NinetyBall::Columns;
    using NinetyBall::Rows;
    static const QByteArray script = BuiltInFile(QStringLiteral(":/web/ticket.js"));
    static const QByteArray scriptHash = PolicyHash(script);
    // The card's style over nine columns and three rows; a blank is shaded, as on paper.
    const QByteArray style = PageStyle(ticket.FontFamilies, Columns, Rows, false) + BuiltInFile(QStringLiteral(":/web/ticket.css"));
    const QString title = ticket.Title + QStringLiteral(" \u2013 ") + ticket.Footer;
    QString html = PageHead(title, style, scriptHash);
    html += QStringLiteral("<body data-key=\"%1\">\n<main>\n<h1 dir=\"auto\">%2</h1>\n<div class=\"card\" role=\"table\" aria-label=\"%3\">\n")
                .arg(HtmlEscaped(ticket.StorageKey), HtmlEscaped(CellWord(ticket.Title)), HtmlEscaped(ticket.Footer));
    // Each row named, its blanks said as blank cells of it.
    const QString blank = HtmlEscaped(QCoreApplication::translate("TicketWebPage", "blank"));
    for (int r = 0; r < Rows; ++r) {
        html += QStringLiteral("<div class=\"row\" role=\"row\" aria-label=\"%1\">")
                    .arg(HtmlEscaped(QCoreApplication::translate("TicketWebPage", "Row %1").arg(r + 1)));
        for (int c = 0; c < Columns; ++c) {
            const int n = ticket.Ticket.Cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (n == 0)
                html += QStringLiteral("<div class=\"blank\" role=\"cell\" aria-label=\"%1\"></div>").arg(blank);
            else
                html += QStringLiteral("<div class=\"slot\" role=\"cell\"><button type=\"button\" class=\"cell\" "
                                       "data-i=\"%1\" data-word=\"%2\" aria-pressed=\"false\">%2</button></div>")
                            .arg(r * Columns + c)
                            .arg(n);
        }
        html += QStringLiteral("</div>\n");
    }
    html += QStringLiteral("</div>\n<p class=\"footer\" dir=\"auto\">") + HtmlEscaped(ticket.Footer) + QStringLiteral("</p>\n");
    const auto say = [](const char* text) { return QCoreApplication::translate("NinetyBall", text); };
    html += Controls({{"line", NinetyBall::TicketPatternName(NinetyBall::TicketPattern::OneLine)},
                      {"two", NinetyBall::TicketPatternName(NinetyBall::TicketPattern::TwoLines)},
                      {"house", NinetyBall::TicketPatternName(NinetyBall::TicketPattern::FullHouse)}},
                     ticket.Footer);
    // The verdicts as the checker says them.
    html += PageEnd({{"t-row", say("Bingo: row %1")},
                     {"t-rows", say("Bingo: rows %1 and %2")},
                     {"t-house", say("Bingo: full house")},
                     {"t-clear-question", QCoreApplication::translate("TicketWebPage", "Clear every mark on this ticket?")}},
                    script);
    return html.toUtf8();
}
