// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "share/PlayerPage.h"
#include "card/CardDesign.h"
#include "output/PictureShelf.h"
#include "words/PictureEntry.h"
#include "output/CardWebPage.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

QString T(const char* text)
{
    return QCoreApplication::translate("ShareServer", text);
}

} // namespace

// The player's page: the card page's look, the player's script, every text escaped.
QByteArray PlayerPage(QByteArray& policy, bool tickets)
{
    const QByteArray script = BuiltInFile(QStringLiteral(":/share/player.js"));
    const QByteArray style = ":root { --face: sans-serif; --side: 5; --rows: 6; --wrap: normal; }\n" +
                             BuiltInFile(QStringLiteral(":/web/card.css")) + BuiltInFile(QStringLiteral(":/web/ticket.css")) +
                             BuiltInFile(QStringLiteral(":/share/player.css"));
    policy = "default-src 'none'; script-src " + PolicyHash(script) + "; style-src " + PolicyHash(style) +
             "; img-src data:; connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
    const auto e = [](const char* text) { return HtmlEscaped(T(text)); };
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n")
                .arg(HtmlEscaped(QCoreApplication::translate("CardWebPage", "en")));
    html += QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>%1</title>\n<style>")
                .arg(e(QT_TRANSLATE_NOOP("ShareServer", "Bingo with Plumwick")));
    html += QString::fromUtf8(style) + QStringLiteral("</style>\n</head>\n<body>\n<main>\n");
    // The page's heading: the game's name, or the list's title once a card shows its design.
    html += QStringLiteral("<h1 id=\"title\">%1</h1>\n").arg(e(QT_TRANSLATE_NOOP("ShareServer", "Bingo with Plumwick")));
    html += QStringLiteral("<p id=\"news\" class=\"news\" role=\"alert\" hidden></p>\n");
    html += QStringLiteral("<p id=\"call\" class=\"call\" aria-live=\"polite\"></p>\n<p id=\"last\" class=\"last\"></p>\n");
    html += QStringLiteral("<div id=\"prize\" class=\"prize\" hidden><span id=\"prize-title\"></span>"
                           "<span id=\"prize-picture\" class=\"pattern\" aria-hidden=\"true\"></span></div>\n");
    html += QStringLiteral("<section id=\"join\">\n<button type=\"button\" id=\"deal\">%1</button>\n"
                           "<label for=\"number\">%2</label> <input id=\"number\" inputmode=\"numeric\" size=\"6\">\n"
                           "%4<button type=\"button\" id=\"take\">%3</button>\n</section>\n")
                .arg(tickets ? e(QT_TRANSLATE_NOOP("ShareServer", "Get a ticket")) : e(QT_TRANSLATE_NOOP("ShareServer", "Get a card")),
                     tickets ? e(QT_TRANSLATE_NOOP("ShareServer", "I have ticket number"))
                             : e(QT_TRANSLATE_NOOP("ShareServer", "I have card number")),
                     tickets ? e(QT_TRANSLATE_NOOP("ShareServer", "Play this ticket")) : e(QT_TRANSLATE_NOOP("ShareServer", "Play this card")),
                     // A printed card's check code, from the line under it.
                     tickets ? QString()
                             : QStringLiteral("<label for=\"check\">%1</label> <input id=\"check\" size=\"6\" maxlength=\"16\" "
                                              "autocapitalize=\"characters\" autocomplete=\"off\">\n")
                                   .arg(e(QT_TRANSLATE_NOOP("ShareServer", "check code"))));
    html += QStringLiteral("<div id=\"card\" class=\"card\" role=\"table\" aria-labelledby=\"who\" hidden></div>\n<p id=\"who\" class=\"footer\"></p>\n"
                           "<p id=\"status\" role=\"status\"></p>\n<div class=\"controls\" id=\"controls\" hidden>\n"
                           "<label><input type=\"checkbox\" id=\"auto\"> %1</label>\n"
                           "<button type=\"button\" id=\"bingo\">%2</button>\n</div>\n")
                .arg(e(QT_TRANSLATE_NOOP("ShareServer", "Mark calls for me")), HtmlEscaped(QCoreApplication::translate("CardWebPage", "Bingo!")));
    const std::vector<std::pair<const char*, QString>> texts = {
        {"t-card", QCoreApplication::translate("SharedGame", "Card %1")},
        {"t-count", T(QT_TRANSLATE_NOOP("ShareServer", "%1 called"))},
        {"t-wait", T(QT_TRANSLATE_NOOP("ShareServer", "Waiting for the first call"))},
        {"t-lost", T(QT_TRANSLATE_NOOP("ShareServer", "Connection lost; trying again..."))},
        {"t-row-name", QCoreApplication::translate("TicketWebPage", "Row %1")},
        {"t-blank", QCoreApplication::translate("TicketWebPage", "blank")},
        {"t-round", T(QT_TRANSLATE_NOOP("ShareServer", "%1 (any way round)"))}};
    html += PageEnd(texts, script);
    return html.toUtf8();
}

QJsonObject SeatJson(const SharedGame::Seat& seat, const QString& code, const PictureShelf* pictures,
                     const CardDesign* design)
{
    QJsonArray cells;
    if (seat.Ticket) {
        // A ticket: nine columns, three rows, a blank an empty text; named by strip and ticket.
        for (const auto& row : seat.Ticket->Cells)
            for (const int n : row)
                cells.append(n == 0 ? QString() : QString::number(n));
        const int strip = (seat.Card - 1) / NinetyBall::TicketsPerStrip + 1;
        const int ticket = (seat.Card - 1) % NinetyBall::TicketsPerStrip + 1;
        return {{QStringLiteral("secret"), seat.Secret},
                {QStringLiteral("card"), seat.Card},
                {QStringLiteral("game"), code},
                {QStringLiteral("side"), NinetyBall::Columns},
                {QStringLiteral("rows"), NinetyBall::Rows},
                {QStringLiteral("free"), -1},
                {QStringLiteral("heading"), QJsonArray()},
                {QStringLiteral("ticket"), true},
                {QStringLiteral("label"), QCoreApplication::translate("ShareServer", "Strip %1 \u00b7 Ticket %2").arg(strip).arg(ticket)},
                {QStringLiteral("cells"), cells}};
    }
    QJsonArray images;
    bool anyImage = false;
    for (const QString& text : seat.View.Texts) {
        cells.append(text);
        const std::optional<PictureEntry> entry = AsPicture(text);
        const Picture* picture = entry && pictures ? pictures->Find(entry->Path) : nullptr;
        images.append(picture ? PictureDataUrl(*picture, 256) : QString());
        anyImage = anyImage || picture;
    }
    QJsonObject json{{QStringLiteral("secret"), seat.Secret},
                     {QStringLiteral("card"), seat.Card},
                     {QStringLiteral("game"), code},
                     {QStringLiteral("side"), seat.View.Side},
                     {QStringLiteral("free"), seat.View.FreeCell},
                     {QStringLiteral("heading"), QJsonArray::fromStringList(seat.View.Heading)},
                     {QStringLiteral("cells"), cells}};
    if (anyImage)
        json.insert(QStringLiteral("pictures"), images);
    if (design && !design->IsPlain())
        // Its colours as the exported page has them, a rule a line, added to the page's own
        // style sheet by the script.
        json.insert(QStringLiteral("design"), QJsonObject{{QStringLiteral("title"), design->Title},
                                                          {QStringLiteral("footer"), design->Footer},
                                                          {QStringLiteral("rules"), QString::fromLatin1(DesignStyle(*design))}});
    return json;
}
