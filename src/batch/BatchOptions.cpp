// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "batch/BatchOptions.h"
#include "game/NumberedGame.h"
#include "game/Patterns.h"
#include "settings/OwnPatterns.h"
#include "platform/IntegerConversion.h"
#include "output/QtPrinters.h"
#include <QCoreApplication>
#include "game/NinetyBall.h"

namespace {

// A whole number in a range, written in plain decimal.
std::optional<long long> Decimal(const QString& text, long long low, long long high)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok, 10);
    if (!ok || text.isEmpty() || !(text[0].isDigit() || text[0] == u'-') || value < low || value > high)
        return std::nullopt;
    return value;
}

// What a ticket job may not be given, in words; empty when all is well. --ticket alone makes
// a ticket check of it.
QString TicketRules(BatchOptions& o, const QStringList& positional, bool cardsGiven)
{
    auto say = [](const char* text) { return QCoreApplication::translate("BatchOptions", text); };
    o.Tickets = true;
    if (positional.size() > 1)
        return say(QT_TRANSLATE_NOOP("BatchOptions", "only one word list, please"));
    if (cardsGiven)
        return say(QT_TRANSLATE_NOOP("BatchOptions", "tickets are counted in strips of six: use --strips N, not --cards"));
    if (o.PerPage == 4)
        return say(QT_TRANSLATE_NOOP("BatchOptions", "tickets print 1 or 2 strips a page, not 4"));
    if (o.SizeIndex || o.FreeSpace || o.Heading || o.SameTextSize)
        return say(QT_TRANSLATE_NOOP("BatchOptions", "tickets have no card size, free space, heading or shared text size"));
    if (o.Pattern == QStringLiteral("full"))
        o.Pattern = QStringLiteral("full-house");
    if (o.Pattern != QStringLiteral("line") && o.Pattern != QStringLiteral("two-lines") &&
        o.Pattern != QStringLiteral("full-house"))
        return QCoreApplication::translate("BatchOptions", "invalid value for %1: '%2' (%3)")
            .arg(QStringLiteral("--pattern"), o.Pattern, say(QT_TRANSLATE_NOOP("BatchOptions", "line, two-lines or full-house")));
    if (o.Card != 0)
        return say(QT_TRANSLATE_NOOP("BatchOptions", "a ticket is checked with --ticket T (and --strip N), not --card"));
    if (o.Check && (o.Ticket == 0 || o.CalledFile.isEmpty()))
        return say(QT_TRANSLATE_NOOP("BatchOptions", "--check with --tickets needs --ticket T and --called FILE"));
    if (!o.Check && (o.Ticket != 0 || o.Strip != 0 || !o.CalledFile.isEmpty()))
        return say(QT_TRANSLATE_NOOP("BatchOptions", "--strip, --ticket and --called go with --check"));
    if (o.Strip != 0 && o.Ticket > 6)
        return say(QT_TRANSLATE_NOOP("BatchOptions", "a strip holds tickets 1 to 6"));
    if (o.Numbered && (o.Game || o.Seed))
        return say(QT_TRANSLATE_NOOP("BatchOptions", "--numbered makes a new game: leave out --game and --seed"));
    if (!o.Output.isEmpty() && !o.Printer.isEmpty())
        return say(QT_TRANSLATE_NOOP("BatchOptions", "choose either --output or --printer"));
    return {};
}

} // namespace

QString BatchUsage()
{
    return QCoreApplication::translate("BatchOptions", "Usage: plumwick-print [options] LIST.pwk\n"
        "Prints bingo cards of a word list, as Plumwick prints them, to a PDF file or a printer.\n"
        "\n"
        "  -o, --output FILE.pdf      write a PDF (the default; LIST.pdf when not given)\n"
        "  -P, --printer NAME         print on that system printer instead\n"
        "      --cards N              how many cards, 1 to 99999 (default 1)\n"
        "      --per-page 1|2|4       cards on a page (default 1)\n"
        "      --size 3|5|7           cells on a side of the card\n"
        "      --free-space[=TEXT]    a free space in the centre, with its text\n"
        "      --no-free-space        no free space\n"
        "      --heading[=TEXT]       a heading row, with its letters\n"
        "      --no-heading           no heading row\n"
        "      --word-wrap            a phrase may take two lines\n"
        "      --no-word-wrap         a phrase stays on one line\n"
        "      --same-text-size       every word of the job at one size (--no-same-text-size: each fitted alone)\n"
        "      --font FACE            the card face\n"
        "      --font-size POINTS     the card text's size, 1 to 1600\n"
        "      --paper NAME           the paper of the PDF: %1\n"
        "      --export DIR           one file per card in DIR (card-0001.png ...) instead of a PDF\n"
        "      --format png|pdf|html  the files --export writes (default png, 300 dpi; html: a web page\n"
        "                             a player taps to mark)\n"
        "      --call-list            print the call list instead of cards\n"
        "      --seed N               the same N gives the same cards, run after run\n"
        "      --numbered             print a game: numbered cards and a game code\n"
        "                             (written on standard output)\n"
        "      --game CODE            print the cards of that game again (or its call list)\n"
        "      --more                 with --game: the next cards of the game that no one has had\n"
        "      --check CODE           show a card of that game with the called words marked,\n"
        "                             and say whether it wins (exit 0: bingo, 4: not yet)\n"
        "      --card N               the card to check\n"
        "      --called FILE          the words called so far, one per line\n"
        "      --pattern NAME         the winning pattern: line (the default), corners, x, full, a named\n"
        "                             shape (postage-stamp, letter-t ...) or one you drew\n"
        "      --patterns             list the patterns --pattern takes and exit\n"
        "      --record CODE          write the game's record as the caller saved it (calls with\n"
        "                             their times, prizes and winners, claims): -o FILE.pdf or FILE.csv\n"
        "\n"
        "90-ball tickets (no LIST needed; a list given must be the numbers 1 to 90):\n"
        "      --tickets              print strips of six tickets instead of cards\n"
        "      --strips N             how many strips, 1 to 16666 (default 1)\n"
        "      --per-page 1|2         strips on a page: 1 upright, 2 side by side on landscape pages\n"
        "      --check CODE --strip N --ticket T   check ticket T (1 to 6) of strip N of a game;\n"
        "                             --ticket alone counts tickets through the game\n"
        "      --pattern line|two-lines|full-house   what a ticket wins on (default line)\n"
        "\n"
        "  -q, --quiet                no progress on standard error\n"
        "  -h, --help                 show this help and exit\n"
        "      --version              show the version and exit\n"
        "\n"
        "Options not given are taken from Plumwick's settings (~/.local/share/Plumwick/Options.ini).\n")
        .arg(QtPrinters::PdfPaperNames().join(u'|').toLower());
}

std::optional<BatchOptions> ParseBatchOptions(const QStringList& arguments, QString& error)
{
    BatchOptions o;
    QStringList positional;
    bool cardsGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString arg = arguments[i];
        QString name = arg;
        std::optional<QString> attached;
        if (arg.startsWith(QStringLiteral("--")) && arg.contains(u'=')) {
            name = arg.left(arg.indexOf(u'='));
            attached = arg.mid(arg.indexOf(u'=') + 1);
        }
        auto bad = [&](const QString& v, const char* allowed) {
            error = QCoreApplication::translate("BatchOptions", "invalid value for %1: '%2' (%3)")
                        .arg(name, v, QCoreApplication::translate("BatchOptions", allowed));
            return std::nullopt;
        };
        // Options with a value take it after "=" or as the next argument; the switches
        // take none, except --free-space and --heading, whose "=TEXT" is optional.
        static const QStringList valued = {"-o",     "--output",   "-P",        "--printer", "--cards", "--per-page",
                                           "--size", "--font",     "--font-size", "--paper", "--seed",
                                           "--game", "--check",    "--card",      "--called", "--pattern",
                                           "--export", "--format", "--record",
                                           "--strips", "--strip", "--ticket"};
        static const QStringList switches = {"--no-free-space", "--no-heading", "--word-wrap", "--no-word-wrap",
                                             "--call-list",     "--quiet",      "--help",      "--version",
                                             "--numbered", "--same-text-size", "--no-same-text-size", "--tickets",
                                             "--more"};
        QString v;
        if (valued.contains(name)) {
            if (attached) {
                v = *attached;
            } else if (i + 1 < arguments.size()) {
                v = arguments[++i];
            } else {
                error = QCoreApplication::translate("BatchOptions", "option %1 needs a value").arg(name);
                return std::nullopt;
            }
            // An empty name would print somewhere else than meant (LIST.pdf here, say).
            if (v.isEmpty()) {
                error = QCoreApplication::translate("BatchOptions", "option %1 needs a value, and it was empty").arg(name);
                return std::nullopt;
            }
        } else if (attached && switches.contains(name)) {
            error = QCoreApplication::translate("BatchOptions", "option %1 takes no value").arg(name);
            return std::nullopt;
        }

        if (name == "-o" || name == "--output") {
            o.Output = v;
        } else if (name == "-P" || name == "--printer") {
            o.Printer = v;
        } else if (name == "--cards") {
            const auto n = Decimal(v, 1, 99999);
            if (!n) return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "a whole number from 1 to 99999"));
            o.Cards = static_cast<int>(*n);
            cardsGiven = true;
        } else if (name == "--tickets") {
            o.Tickets = true;
        } else if (name == "--strips") {
            const auto n = Decimal(v, 1, NinetyBall::MaxStrips);
            if (!n) return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "a whole number from 1 to 16666"));
            o.Strips = static_cast<int>(*n);
        } else if (name == "--strip") {
            const auto n = Decimal(v, 1, NinetyBall::MaxStrips + 1);
            if (!n) return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "a strip number from 1 to 16667"));
            o.Strip = static_cast<int>(*n);
        } else if (name == "--ticket") {
            const auto n = Decimal(v, 1, 6 * (NinetyBall::MaxStrips + 1));
            if (!n) return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "a ticket number from 1 to 100002"));
            o.Ticket = static_cast<int>(*n);
        } else if (name == "--per-page") {
            if (v != "1" && v != "2" && v != "4") return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "1, 2 or 4"));
            o.PerPage = v.toInt();
        } else if (name == "--size") {
            if (v != "3" && v != "5" && v != "7") return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "3, 5 or 7"));
            o.SizeIndex = (v.toInt() - 3) / 2;
        } else if (name == "--free-space" || name == "--no-free-space") {
            o.FreeSpace = name == "--free-space";
            if (attached) o.FreeSpaceText = *attached;
        } else if (name == "--heading" || name == "--no-heading") {
            o.Heading = name == "--heading";
            if (attached) o.HeadingText = *attached;
        } else if (name == "--word-wrap" || name == "--no-word-wrap") {
            o.WordWrap = name == "--word-wrap";
        } else if (name == "--font") {
            o.FontName = v;
        } else if (name == "--font-size") {
            const auto n = Decimal(v, 1, 1600);
            if (!n) return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "a whole number of points from 1 to 1600"));
            o.FontSize = static_cast<int>(*n);
        } else if (name == "--paper") {
            if (!QtPrinters::PdfPaperNamed(v)) return bad(v, qPrintable(QtPrinters::PdfPaperNames().join(u',').toLower()));
            o.Paper = v.toLower();
        } else if (name == "--export") {
            o.ExportFolder = v;
        } else if (name == "--format") {
            if (v.toLower() != "png" && v.toLower() != "pdf" && v.toLower() != "html")
                return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "png, pdf or html"));
            o.ExportFormat = v.toLower();
        } else if (name == "--call-list") {
            o.CallList = true;
        } else if (name == "--seed") {
            const auto n = Decimal(v, 0, 4294967295LL);
            if (!n) return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "a whole number from 0 to 4294967295"));
            o.Seed = static_cast<std::uint32_t>(*n);
        } else if (name == "--same-text-size" || name == "--no-same-text-size") {
            o.SameTextSize = name == "--same-text-size";
        } else if (name == "--numbered") {
            o.Numbered = true;
        } else if (name == "--game") {
            o.Game = v;
        } else if (name == "--more") {
            o.More = true;
        } else if (name == "--check") {
            o.Check = v;
        } else if (name == "--card") {
            const auto n = Decimal(v, 1, MaxCardNumber);
            if (!n) return bad(v, QT_TRANSLATE_NOOP("BatchOptions", "a card number from 1 to 100000"));
            o.Card = static_cast<int>(*n);
        } else if (name == "--called") {
            o.CalledFile = v;
        } else if (name == "--pattern") {
            // Checked below, once it is known whether the game is of cards or tickets.
            o.Pattern = v.toLower();
        } else if (name == "-q" || name == "--quiet") {
            o.Quiet = true;
        } else if (name == "-h" || name == "--help") {
            o.Help = true;
        } else if (name == "--record") {
            o.Record = v;
        } else if (name == "--patterns") {
            o.ListPatterns = true;
        } else if (name == "--version") {
            o.Version = true;
        } else if (name == "--") {
            positional += arguments.mid(i + 1);
            break;
        } else if (name.startsWith(u'-') && name.size() > 1) {
            error = QCoreApplication::translate("BatchOptions", "unknown option %1").arg(name);
            return std::nullopt;
        } else {
            positional << arg;
        }
    }
    if (o.Help || o.Version || o.ListPatterns)
        return o;
    if (o.Record) {
        if (!positional.isEmpty() || !o.Printer.isEmpty()) {
            error = QCoreApplication::translate("BatchOptions", "--record takes a game code and -o FILE.pdf or FILE.csv alone");
            return std::nullopt;
        }
        return o;
    }
    if (o.More && (!o.Game || o.Check || o.CallList)) {
        error = QCoreApplication::translate("BatchOptions", "--more goes with --game, for cards or strips to print or export");
        return std::nullopt;
    }
    if (o.Tickets || o.Ticket != 0) {
        if (const QString refused = TicketRules(o, positional, cardsGiven); !refused.isEmpty()) {
            error = refused;
            return std::nullopt;
        }
        o.ListFile = positional.value(0);
        return o;
    }
    if (!FindPattern(o.Pattern, OwnPatterns::Read())) {
        error = QCoreApplication::translate("BatchOptions", "invalid value for %1: '%2' (%3)")
                    .arg(QStringLiteral("--pattern"), o.Pattern,
                         QCoreApplication::translate("BatchOptions", "--patterns lists the patterns"));
        return std::nullopt;
    }
    if (o.Strip != 0 || o.Strips != 1) {
        error = QCoreApplication::translate("BatchOptions", "--strips and --strip go with --tickets");
        return std::nullopt;
    }
    if (positional.size() != 1) {
        error = positional.isEmpty() ? QCoreApplication::translate("BatchOptions", "no word list given") : QCoreApplication::translate("BatchOptions", "only one word list, please");
        return std::nullopt;
    }
    if (o.Check && (o.Card == 0 || o.CalledFile.isEmpty())) {
        error = QCoreApplication::translate("BatchOptions", "--check needs --card N and --called FILE");
        return std::nullopt;
    }
    if (!o.Check && (o.Card != 0 || !o.CalledFile.isEmpty())) {
        error = QCoreApplication::translate("BatchOptions", "--card and --called go with --check");
        return std::nullopt;
    }
    if (o.Numbered && (o.Game || o.Seed)) {
        error = QCoreApplication::translate("BatchOptions", "--numbered makes a new game: leave out --game and --seed");
        return std::nullopt;
    }
    if (!o.Output.isEmpty() && !o.Printer.isEmpty()) {
        error = QCoreApplication::translate("BatchOptions", "choose either --output or --printer");
        return std::nullopt;
    }
    o.ListFile = positional.front();
    return o;
}
