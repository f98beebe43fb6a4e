// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/GameRecordSheet.h"
#include "words/PictureEntry.h"
#include "game/NumberedGame.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("GameLog", text);
}

QString CsvCell(QString text)
{
    // A cell beginning as a formula would be run by a spreadsheet: it is kept as text.
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        text = u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

} // namespace

QString RecordTime(const QDateTime& at)
{
    return at.isValid() ? at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

QByteArray RecordCsv(const GameRecordSheet& sheet)
{
    QStringList rows;
    const auto row = [&](const QStringList& cells) {
        QStringList out;
        for (const QString& c : cells)
            out << CsvCell(c);
        rows << out.join(u',');
    };
    row({Tr(QT_TRANSLATE_NOOP("GameLog", "Game")), sheet.Code, sheet.Title});
    row({Tr(QT_TRANSLATE_NOOP("GameLog", "What")), Tr(QT_TRANSLATE_NOOP("GameLog", "Number")),
         Tr(QT_TRANSLATE_NOOP("GameLog", "Call or prize")), Tr(QT_TRANSLATE_NOOP("GameLog", "Card")),
         Tr(QT_TRANSLATE_NOOP("GameLog", "Time or line"))});
    for (std::size_t i = 0; i < sheet.Log.Calls.size(); ++i)
        row({Tr(QT_TRANSLATE_NOOP("GameLog", "call")), QString::number(i + 1), EntryCaption(sheet.Log.Calls[i].Word), QString(), RecordTime(sheet.Log.Calls[i].At)});
    for (const GameLog::Call& c : sheet.Log.TakenBack)
        row({Tr(QT_TRANSLATE_NOOP("GameLog", "taken back")), QString(), EntryCaption(c.Word), QString(), RecordTime(c.At)});
    for (std::size_t p = 0; p < sheet.Prizes.Prizes().size(); ++p)
        for (const PrizeWinner& w : sheet.Prizes.Winners()[p])
            row({Tr(QT_TRANSLATE_NOOP("GameLog", "winner")), QString::number(p + 1), sheet.PrizeNames.value(static_cast<qsizetype>(p)), QString::number(w.Card),
                 Tr(QT_TRANSLATE_NOOP("GameLog", "%1, after %2 calls")).arg(w.Line).arg(w.Calls)});
    for (const GameLog::Claim& c : sheet.Log.Claims)
        row({c.HostsDecision ? Tr(QT_TRANSLATE_NOOP("GameLog", "the host's decision"))
             : c.Confirmed   ? Tr(QT_TRANSLATE_NOOP("GameLog", "confirmed"))
                             : Tr(QT_TRANSLATE_NOOP("GameLog", "cleared")),
             QString(),
             c.Text, QString::number(c.Card), RecordTime(c.At)});
    return (rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

std::vector<WinnerCard> WinnerCards(const GameRecordSheet& sheet, const QStringList& words, const CardOptions& options,
                                    std::uint32_t seed, bool tickets, const std::vector<Pattern>& own)
{
    std::vector<WinnerCard> cards;
    std::optional<NumberedGame> deal;
    std::optional<NinetyBall::StripGame> strips;
    for (std::size_t p = 0; p < sheet.Prizes.Prizes().size(); ++p) {
        for (const PrizeWinner& w : sheet.Prizes.Winners()[p]) {
            if (cards.size() >= 200)
                return cards; // a record of a sensible size
            WinnerCard card{static_cast<int>(p), w.Card, w.Line, {}, {}, {}, {}};
            QStringList called;
            for (std::size_t i = 0; i < sheet.Log.Calls.size() && i < static_cast<std::size_t>(w.Calls); ++i)
                called << sheet.Log.Calls[i].Word;
            if (tickets) {
                if (!strips)
                    strips.emplace(NinetyBall::Dealer(), seed);
                const int strip = (w.Card - 1) / NinetyBall::TicketsPerStrip + 1;
                if (strip > NinetyBall::MaxStrips)
                    continue;
                if (strip > strips->Planned())
                    strips->Plan(strip);
                card.Ticket = strips->At(strip)[static_cast<std::size_t>((w.Card - 1) % NinetyBall::TicketsPerStrip)];
                const std::vector<bool> numbers = NinetyBall::CalledNumbers(called);
                const auto verdict = NinetyBall::CheckTicket(*card.Ticket, numbers, TicketPrizePattern(sheet.Prizes.Prizes()[p].Pattern));
                for (int r = 0; r < NinetyBall::Rows; ++r)
                    for (int c = 0; c < NinetyBall::Columns; ++c) {
                        const int n = card.Ticket->Cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                        card.Marked.push_back(n != 0 && numbers[static_cast<std::size_t>(n)]);
                        if (n != 0 && std::find(verdict.Rows.begin(), verdict.Rows.end(), r) != verdict.Rows.end())
                            card.Won.push_back(r * NinetyBall::Columns + c);
                    }
            } else {
                if (!deal)
                    deal.emplace(words, options, seed);
                QString error;
                if (w.Card > deal->Planned() && !deal->Plan(w.Card, error))
                    continue;
                card.View = MakeCardView(deal->Card(w.Card), options);
                card.Marked = card.View.Marked(QSet<QString>(called.cbegin(), called.cend()));
                if (const Pattern* pattern = FindPattern(sheet.Prizes.Prizes()[p].Pattern, own))
                    card.Won = CheckFor(card.Marked, card.View.Side, *pattern, card.View.Heading).Cells;
            }
            cards.push_back(std::move(card));
        }
    }
    return cards;
}
