// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardWebPage.h"
#include "words/PictureEntry.h"
#include "game/Patterns.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <mutex>

namespace {

// A font family name inside double quotes in CSS: nothing in it can end the string or the
// style element.
QString CssString(const QString& text)
{
    QString out;
    for (const QChar ch : text) {
        if (ch == u'"' || ch == u'\\' || ch == u'<' || ch == u'>' || ch.unicode() < 0x20)
            out += QStringLiteral("\\%1 ").arg(ch.unicode(), 0, 16);
        else
            out += ch;
    }
    return u'"' + out + u'"';
}

QString CssFamilies(const QStringList& families)
{
    QStringList quoted;
    for (const QString& family : families)
        quoted << CssString(family);
    return quoted.join(QStringLiteral(", "));
}


} // namespace

// The page up to its body: the language, a policy that allows this script and style alone,
// the title and the style.
QString PageHead(const QString& title, const QByteArray& style, const QByteArray& scriptHash, bool dataImages)
{
    //: The language code of the exported web page (the one of this translation).
    const QString language = QCoreApplication::translate("CardWebPage", "en");
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n")
                       .arg(HtmlEscaped(language));
    html += QStringLiteral("<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src %1; "
                           "style-src %2;%3 base-uri 'none'; form-action 'none'\">\n")
                .arg(QString::fromLatin1(scriptHash), QString::fromLatin1(PolicyHash(style)),
                     dataImages ? QStringLiteral(" img-src data:;") : QString());
    html += QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>") +
            HtmlEscaped(title) + QStringLiteral("</title>\n<style>") + QString::fromUtf8(style) +
            QStringLiteral("</style>\n</head>\n");
    return html;
}

// Under the card: the verdict, the pattern chooser, Bingo! and Clear marks, and the Bingo
// view that shows whose card it is (`who`) and the marked words large.
QString Controls(const std::vector<std::pair<QString, QString>>& patterns, const QString& who, const QStringList& ways)
{
    QString html = QStringLiteral("<p id=\"status\" role=\"status\"></p>\n<div class=\"controls\">\n");
    html += QStringLiteral("<label for=\"pattern\">%1</label>\n<select id=\"pattern\">").arg(HtmlEscaped(QCoreApplication::translate("CardWebPage", "Pattern:")));
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const QString shape = ways.value(static_cast<qsizetype>(i));
        html += QStringLiteral("<option value=\"%1\"%3>%2</option>")
                    .arg(HtmlEscaped(patterns[i].first), HtmlEscaped(patterns[i].second),
                         shape.isEmpty() ? QString() : QStringLiteral(" data-ways=\"%1\"").arg(shape));
    }
    html += QStringLiteral("</select>\n<button type=\"button\" id=\"bingo\">%1</button>\n"
                           "<button type=\"button\" id=\"clear\">%2</button>\n</div>\n")
                .arg(HtmlEscaped(QCoreApplication::translate("CardWebPage", "Bingo!")), HtmlEscaped(QCoreApplication::translate("CardWebPage", "Clear marks")));
    html += QStringLiteral("<section id=\"bingo-view\" hidden role=\"dialog\" aria-modal=\"true\" aria-labelledby=\"bingo-title\">\n<h2 id=\"bingo-title\">%1</h2>\n"
                           "<p class=\"who\">%2</p>\n<ul id=\"bingo-words\"></ul>\n<button type=\"button\" id=\"close\">%3</button>\n"
                           "</section>\n")
                .arg(HtmlEscaped(QCoreApplication::translate("CardWebPage", "Bingo!")), HtmlEscaped(who),
                     HtmlEscaped(QCoreApplication::translate("CardWebPage", "Close")));
    return html;
}


QByteArray PageStyle(const QStringList& families, int columns, int rows, bool wordWrap)
{
    return QStringLiteral(":root { --face: %1, sans-serif; --side: %2; --rows: %3; --wrap: %4; }\n")
               .arg(CssFamilies(families))
               .arg(columns)
               .arg(rows)
               .arg(wordWrap ? QStringLiteral("normal") : QStringLiteral("nowrap"))
               .toUtf8() +
           BuiltInFile(QStringLiteral(":/web/card.css"));
}

QByteArray BuiltInFile(const QString& path)
{
    QFile file(path);
    (void)file.open(QIODevice::ReadOnly); // built into the program: always there
    return file.readAll();
}

QByteArray PolicyHash(const QByteArray& text)
{
    return "'sha256-" + QCryptographicHash::hash(text, QCryptographicHash::Sha256).toBase64() + "'";
}

QString PageEnd(const std::vector<std::pair<const char*, QString>>& texts, const QByteArray& script)
{
    QString html = QStringLiteral("<div hidden>");
    for (const auto& [id, text] : texts)
        html += QStringLiteral("<span id=\"%1\">%2</span>").arg(QLatin1String(id), HtmlEscaped(text));
    return html + QStringLiteral("</div>\n</main>\n<script>") + QString::fromUtf8(script) +
           QStringLiteral("</script>\n</body>\n</html>\n");
}

QString HtmlEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'&': out += QStringLiteral("&amp;"); break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        case u'"': out += QStringLiteral("&quot;"); break;
        case u'\'': out += QStringLiteral("&#39;"); break;
        default: out += ch;
        }
    }
    return out;
}

QString CellWord(const QString& text)
{
    QString out;
    out.reserve(text.size());
    int embeddings = 0, isolates = 0;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x20 || (c >= 0x7f && c < 0xa0))
            continue;
        if (c >= 0x202a && c <= 0x202e) // LRE, RLE, PDF, LRO, RLO
            embeddings = c == 0x202c ? std::max(0, embeddings - 1) : embeddings + 1;
        else if (c >= 0x2066 && c <= 0x2069) // LRI, RLI, FSI, PDI
            isolates = c == 0x2069 ? std::max(0, isolates - 1) : isolates + 1;
        out += ch;
    }
    out += QString(embeddings, QChar(0x202c));
    out += QString(isolates, QChar(0x2069));
    return out;
}

QByteArray DesignStyle(const CardDesign& design)
{
    if (design.IsPlain())
        return {};
    // Colours are written from their own numbers ("#1f4e79"), never from text.
    const auto hex = [](const QColor& colour) { return colour.name().toLatin1(); };
    QByteArray css = "\n.free img { display: block; max-width: 80%; max-height: 80%; margin: auto; }\n";
    if (design.Grid.isValid())
        css += ".card { --line: " + hex(design.Grid) + "; }\n";
    if (design.Band.isValid() || design.BandText.isValid() || design.Text.isValid())
        css += ".head { background: " + hex(design.BandGround()) + "; color: " + hex(design.BandInk()) + "; }\n";
    if (design.Tint.isValid() || design.Text.isValid())
        css += ".cell:not(.free):not([aria-pressed=\"true\"]) { background: " + hex(design.CellGround()) + "; color: " +
               hex(design.TextInk()) + "; }\n";
    if (design.FreeSpace.isValid())
        css += ".cell.free { background: " + hex(design.FreeSpace) + "; color: " + hex(design.TextInk()) + "; }\n";
    return css;
}

QString PictureDataUrl(const Picture& picture, int side)
{
    if (picture.IsNull())
        return {};
    // Every card of a job shows the same few pictures: each is encoded once (on whichever
    // thread asks first).
    static std::mutex lock;
    static QHash<QPair<quint64, int>, QString> encoded;
    std::lock_guard<std::mutex> hold(lock);
    const QPair<quint64, int> key(picture.Key, side);
    if (const auto known = encoded.constFind(key); known != encoded.cend())
        return *known;
    if (encoded.size() >= 512)
        encoded.clear();
    QString& last = encoded[key];
    if (!picture.Jpeg.isEmpty() && picture.Jpeg.size() < 512 * 1024)
        return last = QStringLiteral("data:image/jpeg;base64,") + QString::fromLatin1(picture.Jpeg.toBase64());
    QImage image = picture.Svg.isEmpty()
                       ? picture.Image
                       : RenderedAt(picture, picture.Nominal().scaled(side, side, Qt::KeepAspectRatio)).Image;
    if (image.width() > side || image.height() > side)
        image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return last = QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

QByteArray CardWebPage(const WebCard& card)
{
    static const QByteArray script = BuiltInFile(QStringLiteral(":/web/card.js"));
    static const QByteArray scriptHash = PolicyHash(script);
    const CardView& view = card.View;
    const int rows = view.Side + (view.Heading.isEmpty() ? 0 : 1);
    const CardDesign design = card.Look ? card.Look->Design : CardDesign();
    const QString logo = card.Look && view.FreeCell >= 0 ? PictureDataUrl(card.Look->Logo) : QString();
    const PictureShelf* pictures = card.Look ? card.Look->Pictures.get() : nullptr;
    // A picture entry's cell: its picture, and its caption under it.
    const auto pictureOf = [&](const QString& entry) -> QString {
        const std::optional<PictureEntry> picture = AsPicture(entry);
        const Picture* shown = picture && pictures ? pictures->Find(picture->Path) : nullptr;
        return shown ? PictureDataUrl(*shown, 256) : QString();
    };
    QByteArray style = PageStyle(card.FontFamilies, view.Side, rows, card.WordWrap) + DesignStyle(design);
    if (pictures)
        style += "\n.cell:has(> img) { flex-direction: column; }\n.cell img { display: block; max-width: 90%; max-height: 70%; margin: 0 auto; }\n";
    const QString heading = design.Title.isEmpty() ? card.Title : design.Title;
    const QString title = card.Footer.isEmpty() ? heading : heading + QStringLiteral(" \u2013 ") + card.Footer;

    QString html;
    html.reserve(8000 + 200 * view.Texts.size());
    html += PageHead(title, style, scriptHash, !logo.isEmpty() || pictures);
    html += QStringLiteral("<body data-key=\"%1\" data-side=\"%2\" data-free=\"%3\">\n<main>\n<h1 dir=\"auto\">%4</h1>\n")
                .arg(HtmlEscaped(card.StorageKey))
                .arg(view.Side)
                .arg(view.FreeCell)
                .arg(HtmlEscaped(CellWord(heading)));
    // A table a screen reader walks row by row and column by column; the rows and the cells'
    // boxes take no room, so the card stays one grid of cells.
    html += QStringLiteral("<div class=\"card\" role=\"table\" aria-label=\"%1\">\n")
                .arg(HtmlEscaped(CellWord(card.Footer.isEmpty() ? card.Title : card.Footer)));
    // A heading row of a cell a column, blank past the heading's last letter (BINGO on 7 x 7).
    if (!view.Heading.isEmpty()) {
        html += QStringLiteral("<div class=\"row\" role=\"row\">");
        for (int c = 0; c < view.Side; ++c)
            html += QStringLiteral("<div class=\"head\" role=\"columnheader\">") + HtmlEscaped(view.Heading.value(c)) +
                    QStringLiteral("</div>");
        html += QStringLiteral("</div>\n");
    }
    for (int i = 0; i < view.Texts.size(); ++i) {
        if (i % view.Side == 0)
            html += QStringLiteral("<div class=\"row\" role=\"row\">");
        const QString word = HtmlEscaped(CellWord(EntryCaption(view.Texts[i])));
        const QString image = pictureOf(view.Texts[i]);
        const QString shown = image.isEmpty() ? word : QStringLiteral("<img src=\"%1\" alt=\"\">%2").arg(image, word);
        const QString letter = view.Heading.value(i % view.Side);
        const QString name = letter.isEmpty() ? word : HtmlEscaped(letter) + u' ' + word;
        if (i == view.FreeCell) // marked from the start, and nothing to press
            html += QStringLiteral("<div class=\"slot\" role=\"cell\"><div class=\"cell free\" dir=\"auto\" data-i=\"%1\" "
                                   "data-letter=\"%2\" data-word=\"%3\">%4</div></div>")
                        .arg(i)
                        .arg(HtmlEscaped(letter), word,
                             logo.isEmpty() ? word : QStringLiteral("<img src=\"%1\" alt=\"%2\">").arg(logo, word));
        else
            html += QStringLiteral("<div class=\"slot\" role=\"cell\"><button type=\"button\" class=\"cell\" dir=\"auto\" "
                                   "data-i=\"%1\" data-letter=\"%2\" data-word=\"%3\" aria-label=\"%4\" "
                                   "aria-pressed=\"false\">%5</button></div>")
                        .arg(i)
                        .arg(HtmlEscaped(letter), word,
                             name.isEmpty() ? HtmlEscaped(QCoreApplication::translate("CardWebPage", "empty")) : name, shown);
        if (i % view.Side == view.Side - 1)
            html += QStringLiteral("</div>\n");
    }
    html += QStringLiteral("</div>\n");
    // The card's own line ("Card 17 · Game CODE"), then the design's.
    for (const QString& footer : {card.Footer, CellWord(design.Footer)})
        if (!footer.isEmpty())
            html += QStringLiteral("<p class=\"footer\" dir=\"auto\">") + HtmlEscaped(footer) + QStringLiteral("</p>\n");
    // The patterns, the lines' names and the verdict as the checker says them.
    std::vector<std::pair<QString, QString>> patterns = {
        {"line", QCoreApplication::translate("WinPatterns", "Any line")},
        {"corners", QCoreApplication::translate("WinPatterns", "Four corners")},
        {"x", QCoreApplication::translate("WinPatterns", "X")},
        {"full", QCoreApplication::translate("WinPatterns", "Full card")}};
    // The named shapes of the card's size, each with every way it may stand ("0,1,5,6;3,4,8,9").
    QStringList ways(4);
    for (const Pattern* shape : PatternsFor(view.Side, card.Own)) {
        if (shape->Classic)
            continue;
        QStringList each;
        for (const std::vector<int>& cells : shape->WaysRound()) {
            QStringList numbers;
            for (const int c : cells)
                numbers << QString::number(c);
            each << numbers.join(u',');
        }
        patterns.emplace_back(shape->Key, shape->Name);
        ways << each.join(u';');
    }
    html += Controls(patterns, card.Footer.isEmpty() ? card.Title : card.Footer, ways);
    // The texts the script says, in the page's language.
    const auto said = [](const char* text) { return QCoreApplication::translate("WinPatterns", text); };
    const std::vector<std::pair<const char*, QString>> texts = {
        {"t-row", said(QT_TRANSLATE_NOOP("WinPatterns", "row %1"))},
        {"t-column", said(QT_TRANSLATE_NOOP("WinPatterns", "column %1"))},
        {"t-diagonal", said(QT_TRANSLATE_NOOP("WinPatterns", "diagonal"))},
        {"t-corners", said(QT_TRANSLATE_NOOP("WinPatterns", "four corners"))},
        {"t-x", said(QT_TRANSLATE_NOOP("WinPatterns", "X"))},
        {"t-full", said(QT_TRANSLATE_NOOP("WinPatterns", "full card"))},
        {"t-bingo", said(QT_TRANSLATE_NOOP("WinPatterns", "Bingo: %1"))},
        {"t-clear-question", QCoreApplication::translate("CardWebPage", "Clear every mark on this card?")}};
    html += PageEnd(texts, script);
    return html.toUtf8();
}
