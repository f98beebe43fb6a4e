// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/CardLook.h"
#include "game/CardView.h"
#include "game/Patterns.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// A card as a web page that a player opens on any phone, tablet or computer and taps to mark.
// One self-contained file: its style and script inside it, allowed by their hashes alone, so
// that the page asks the network for nothing, and every text of the card escaped.
struct WebCard {
    CardView View;
    QString Title;      // the list's title, above the card
    QString Footer;     // "Card 3 · Game K7F2-9QXA", or empty
    QStringList FontFamilies; // the card face, where the device has one of them
    QString StorageKey; // where the browser keeps the marks: the game code and card number
    bool WordWrap = true;
    std::vector<Pattern> Own; // the host's own patterns, offered beside the named shapes
    // The card's design: its title over the list's, its footer, its colours, and its logo in
    // the free space (a data: image, which the page's policy then allows).
    const DesignedLook* Look = nullptr;
};

QByteArray CardWebPage(const WebCard& card);

// Text for HTML: &, <, >, " and ' as entities.
QString HtmlEscaped(const QString& text);
// A word as a cell shows it: control characters left out (they would show as boxes), and
// a direction embedding, override or isolate the word opens closed at its end, so that it
// can't turn the cells after it round.
QString CellWord(const QString& text);

// Shared by the pages the program serves or writes:
// a file built into the program (":/web/card.css");
QByteArray BuiltInFile(const QString& path);
// a script's or a style's hash as a Content-Security-Policy source ('sha256-...');
QByteArray PolicyHash(const QByteArray& text);
// the style: the card face, the grid's columns and rows, wrapping, and the built-in rules;
QByteArray PageStyle(const QStringList& families, int columns, int rows, bool wordWrap);
// the page up to its body (language, a policy allowing this script and style alone, title);
// `dataImages`: the page shows pictures of its own (data: images), which the policy allows.
QString PageHead(const QString& title, const QByteArray& style, const QByteArray& scriptHash, bool dataImages = false);
// A design's colours as style rules over the built-in ones (none for a plain design).
QByteArray DesignStyle(const CardDesign& design);
// A picture as a data: address: a JPEG as it is, others as PNG, no larger than `side`.
QString PictureDataUrl(const Picture& picture, int side = 512);
// under the card: the verdict, the patterns (value, name), Bingo!, Clear marks, and the
// Bingo view naming whose card it is;
// `ways`, beside each pattern, the cells of each way it may stand, where the script needs them.
QString Controls(const std::vector<std::pair<QString, QString>>& patterns, const QString& who, const QStringList& ways = {});
// the end of a page: the texts its script says, in the page's language (hidden, read by
// id), then the script itself.
QString PageEnd(const std::vector<std::pair<const char*, QString>>& texts, const QByteArray& script);
