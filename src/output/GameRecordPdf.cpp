// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/GameRecordPdf.h"
#include "words/PictureEntry.h"
#include "platform/TextFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("GameRecordPdf", text);
}

QString E(const QString& text)
{
    return text.toHtmlEscaped();
}

// A winner's card as a table: the heading, the cells with the calls shaded and the winning
// cells dark.
QString CardTable(const WinnerCard& card)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"4\" border=\"1\" style=\"border-collapse: collapse;\">");
    const int columns = card.Ticket ? NinetyBall::Columns : card.View.Side;
    const int rows = card.Ticket ? NinetyBall::Rows : card.View.Side;
    if (!card.Ticket && !card.View.Heading.isEmpty()) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < columns; ++c)
            html += QStringLiteral("<th width=\"48\">%1</th>").arg(E(card.View.Heading.value(c)));
        html += QStringLiteral("</tr>");
    }
    for (int r = 0; r < rows; ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < columns; ++c) {
            const int i = r * columns + c;
            QString text;
            if (card.Ticket) {
                const int n = card.Ticket->Cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                text = n ? QString::number(n) : QString();
            } else {
                text = EntryCaption(card.View.Texts.value(i));
            }
            const bool won = std::find(card.Won.begin(), card.Won.end(), i) != card.Won.end();
            const bool marked = i < static_cast<int>(card.Marked.size()) && card.Marked[static_cast<std::size_t>(i)];
            const QString style = won ? QStringLiteral(" bgcolor=\"#303030\" style=\"color: #ffffff; font-weight: bold;\"")
                                  : marked ? QStringLiteral(" bgcolor=\"#d8d8d8\"")
                                           : QString();
            html += QStringLiteral("<td width=\"48\" align=\"center\"%1>%2</td>").arg(style, E(text));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString RecordHtml(const GameRecordSheet& sheet)
{
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h1>%1</h1><p>%2</p>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Game record: %1")).arg(sheet.Code)), E(sheet.Title));

    html += QStringLiteral("<h2>%1</h2>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Calls"))));
    if (sheet.Log.Calls.empty())
        html += QStringLiteral("<p>%1</p>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "No calls were made."))));
    // Three calls to a row: number, call, time.
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    constexpr std::size_t Across = 3;
    for (std::size_t i = 0; i < sheet.Log.Calls.size(); i += Across) {
        html += QStringLiteral("<tr>");
        for (std::size_t j = i; j < i + Across && j < sheet.Log.Calls.size(); ++j)
            html += QStringLiteral("<td align=\"right\">%1.</td><td><b>%2</b></td><td>%3&nbsp;&nbsp;&nbsp;</td>")
                        .arg(j + 1)
                        .arg(E(EntryCaption(sheet.Log.Calls[j].Word)), E(RecordTime(sheet.Log.Calls[j].At).mid(11)));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    if (!sheet.Log.Calls.empty() && sheet.Log.Calls.front().At.isValid())
        html += QStringLiteral("<p>%1</p>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "First call: %1")).arg(RecordTime(sheet.Log.Calls.front().At))));
    for (const GameLog::Call& c : sheet.Log.TakenBack)
        html += QStringLiteral("<p>%1 &nbsp; %2</p>")
                    .arg(E(RecordTime(c.At)), E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "%1 taken back")).arg(EntryCaption(c.Word))));

    if (sheet.Prizes.Active()) {
        html += QStringLiteral("<h2>%1</h2>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Prizes"))));
        for (std::size_t p = 0; p < sheet.Prizes.Prizes().size(); ++p) {
            const auto& winners = sheet.Prizes.Winners()[p];
            html += QStringLiteral("<h3>%1</h3>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Prize %1: %2")).arg(p + 1).arg(sheet.PrizeNames.value(static_cast<qsizetype>(p)))));
            if (winners.empty())
                html += QStringLiteral("<p>%1</p>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Not won."))));
            for (const PrizeWinner& w : winners) {
                const auto drawn = std::find_if(sheet.Winners.begin(), sheet.Winners.end(), [&](const WinnerCard& card) {
                    return card.Prize == static_cast<int>(p) && card.Card == w.Card;
                });
                const bool ticket = drawn != sheet.Winners.end() && drawn->Ticket;
                html += QStringLiteral("<p>%1</p>").arg(E((ticket ? Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Ticket %1: %2, after %3 calls"))
                                                                   : Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Card %1: %2, after %3 calls")))
                                                                  .arg(w.Card)
                                                                  .arg(w.Line)
                                                                  .arg(w.Calls)));
                if (drawn != sheet.Winners.end())
                    html += CardTable(*drawn);
            }
        }
    }

    html += QStringLiteral("<h2>%1</h2>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Claims"))));
    if (sheet.Log.Claims.empty())
        html += QStringLiteral("<p>%1</p>").arg(E(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "No claims were confirmed or cleared."))));
    for (const GameLog::Claim& c : sheet.Log.Claims)
        html += QStringLiteral("<p>%1 &nbsp; %2 &nbsp; <b>%3</b></p>")
                    .arg(E(RecordTime(c.At)), E(c.Text),
                         E(c.HostsDecision ? Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "confirmed as the host's decision"))
                           : c.Confirmed   ? Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "confirmed"))
                                           : Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "cleared"))));
    return html + QStringLiteral("</body></html>");
}

} // namespace

QByteArray RecordPdf(const GameRecordSheet& sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(Tr(QT_TRANSLATE_NOOP("GameRecordPdf", "Game record: %1")).arg(sheet.Code));
        pdf.setCreator(QStringLiteral("Plumwick"));
        pdf.setPageSize(QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        // The text in points, whatever font the program's windows use: a font sized in
        // pixels (as the windows scale theirs) would print at 1/1200 inch a pixel.
        QTextDocument document;
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(10);
        document.setDefaultFont(font);
        document.setHtml(RecordHtml(sheet));
        document.print(&pdf);
    }
    return buffer.data();
}

void WriteRecord(const QString& path, const GameRecordSheet& sheet)
{
    TextFile::WriteAll(path, path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? RecordCsv(sheet) : RecordPdf(sheet));
}
