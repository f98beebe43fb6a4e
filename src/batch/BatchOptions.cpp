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

#include <algorithm>
#include <functional>
#include <vector>

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

QString Say(const char* text)
{
    return QCoreApplication::translate("BatchOptions", text);
}

// What no printing job may be given together, cards or tickets; empty when all is well.
QString EveryJobRules(const BatchOptions& o)
{
    if (o.Numbered && (o.Game || o.Seed))
        return Say(QT_TRANSLATE_NOOP("BatchOptions", "--numbered makes a new game: leave out --game and --seed"));
    if (!o.Output.isEmpty() && !o.Printer.isEmpty())
        return Say(QT_TRANSLATE_NOOP("BatchOptions", "choose either --output or --printer"));
    return {};
}

// What a ticket job may not be given, in words; empty when all is well. --ticket alone makes
// a ticket check of it.
QString TicketRules(BatchOptions& o, const QStringList& positional, bool cardsGiven)
{
    const auto say = Say;
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
    return EveryJobRules(o);
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

namespace {

// One row a command-line option: its names, whether it takes a value, and what it sets. A
// value it refuses gives the values it takes, in words, for "invalid value for --x: 'v' (...)".
struct OptionRule {
    enum class Takes { Nothing, Value, MaybeText }; // MaybeText: "--free-space[=TEXT]"
    QStringList Names;
    Takes Kind;
    std::function<std::optional<QString>(BatchOptions&, const QString& name, const QString& value)> Set;
};

using Setter = decltype(OptionRule::Set);

Setter Text(QString BatchOptions::*field)
{
    return [field](BatchOptions& o, const QString&, const QString& v) { o.*field = v; return std::nullopt; };
}

template <class Field>
Setter Optional(std::optional<Field> BatchOptions::*field)
{
    return [field](BatchOptions& o, const QString&, const QString& v) { o.*field = v; return std::nullopt; };
}

Setter Flag(bool BatchOptions::*field)
{
    return [field](BatchOptions& o, const QString&, const QString&) { o.*field = true; return std::nullopt; };
}

// A switch and its "--no-" twin: the field is whether the first was given last.
Setter Either(std::optional<bool> BatchOptions::*field, const char* yes)
{
    return [field, yes](BatchOptions& o, const QString& name, const QString&) { o.*field = name == QLatin1String(yes); return std::nullopt; };
}

// A whole number in a range; `given` is set where one is.
Setter Whole(int BatchOptions::*field, long long low, long long high, const char* allowed, bool* given = nullptr)
{
    return [=](BatchOptions& o, const QString&, const QString& v) -> std::optional<QString> {
        const auto n = Decimal(v, low, high);
        if (!n)
            return Say(allowed);
        o.*field = static_cast<int>(*n);
        if (given)
            *given = true;
        return std::nullopt;
    };
}

Setter OneOf(const QStringList& values, const char* allowed, std::function<void(BatchOptions&, const QString&)> set)
{
    return [=](BatchOptions& o, const QString&, const QString& v) -> std::optional<QString> {
        if (!values.contains(v.toLower()))
            return Say(allowed);
        set(o, v.toLower());
        return std::nullopt;
    };
}

std::vector<OptionRule> Rules(bool& cardsGiven)
{
    using T = OptionRule::Takes;
    return {
        {{"-o", "--output"}, T::Value, Text(&BatchOptions::Output)},
        {{"-P", "--printer"}, T::Value, Text(&BatchOptions::Printer)},
        {{"--cards"}, T::Value, Whole(&BatchOptions::Cards, 1, 99999, QT_TRANSLATE_NOOP("BatchOptions", "a whole number from 1 to 99999"), &cardsGiven)},
        {{"--tickets"}, T::Nothing, Flag(&BatchOptions::Tickets)},
        {{"--strips"}, T::Value, Whole(&BatchOptions::Strips, 1, NinetyBall::MaxStrips, QT_TRANSLATE_NOOP("BatchOptions", "a whole number from 1 to 16666"))},
        {{"--strip"}, T::Value, Whole(&BatchOptions::Strip, 1, NinetyBall::MaxStrips + 1, QT_TRANSLATE_NOOP("BatchOptions", "a strip number from 1 to 16667"))},
        {{"--ticket"}, T::Value, Whole(&BatchOptions::Ticket, 1, 6 * (NinetyBall::MaxStrips + 1), QT_TRANSLATE_NOOP("BatchOptions", "a ticket number from 1 to 100002"))},
        {{"--per-page"}, T::Value, OneOf({"1", "2", "4"}, QT_TRANSLATE_NOOP("BatchOptions", "1, 2 or 4"), [](BatchOptions& o, const QString& v) { o.PerPage = v.toInt(); })},
        {{"--size"}, T::Value, OneOf({"3", "5", "7"}, QT_TRANSLATE_NOOP("BatchOptions", "3, 5 or 7"), [](BatchOptions& o, const QString& v) { o.SizeIndex = (v.toInt() - 3) / 2; })},
        {{"--free-space"}, T::MaybeText, [](BatchOptions& o, const QString&, const QString& v) {
             o.FreeSpace = true;
             if (!v.isNull())
                 o.FreeSpaceText = v;
             return std::optional<QString>();
         }},
        {{"--no-free-space"}, T::Nothing, Either(&BatchOptions::FreeSpace, "--free-space")},
        {{"--heading"}, T::MaybeText, [](BatchOptions& o, const QString&, const QString& v) {
             o.Heading = true;
             if (!v.isNull())
                 o.HeadingText = v;
             return std::optional<QString>();
         }},
        {{"--no-heading"}, T::Nothing, Either(&BatchOptions::Heading, "--heading")},
        {{"--word-wrap", "--no-word-wrap"}, T::Nothing, Either(&BatchOptions::WordWrap, "--word-wrap")},
        {{"--font"}, T::Value, Optional(&BatchOptions::FontName)},
        {{"--font-size"}, T::Value, [](BatchOptions& o, const QString&, const QString& v) -> std::optional<QString> {
             const auto n = Decimal(v, 1, 1600);
             if (!n)
                 return Say(QT_TRANSLATE_NOOP("BatchOptions", "a whole number of points from 1 to 1600"));
             o.FontSize = static_cast<int>(*n);
             return std::nullopt;
         }},
        {{"--paper"}, T::Value, [](BatchOptions& o, const QString&, const QString& v) -> std::optional<QString> {
             if (!QtPrinters::PdfPaperNamed(v))
                 return QtPrinters::PdfPaperNames().join(u',').toLower();
             o.Paper = v.toLower();
             return std::nullopt;
         }},
        {{"--export"}, T::Value, Text(&BatchOptions::ExportFolder)},
        {{"--format"}, T::Value, OneOf({"png", "pdf", "html"}, QT_TRANSLATE_NOOP("BatchOptions", "png, pdf or html"), [](BatchOptions& o, const QString& v) { o.ExportFormat = v; })},
        {{"--call-list"}, T::Nothing, Flag(&BatchOptions::CallList)},
        {{"--seed"}, T::Value, [](BatchOptions& o, const QString&, const QString& v) -> std::optional<QString> {
             const auto n = Decimal(v, 0, 4294967295LL);
             if (!n)
                 return Say(QT_TRANSLATE_NOOP("BatchOptions", "a whole number from 0 to 4294967295"));
             o.Seed = static_cast<std::uint32_t>(*n);
             return std::nullopt;
         }},
        {{"--same-text-size", "--no-same-text-size"}, T::Nothing, Either(&BatchOptions::SameTextSize, "--same-text-size")},
        {{"--numbered"}, T::Nothing, Flag(&BatchOptions::Numbered)},
        {{"--game"}, T::Value, Optional(&BatchOptions::Game)},
        {{"--more"}, T::Nothing, Flag(&BatchOptions::More)},
        {{"--check"}, T::Value, Optional(&BatchOptions::Check)},
        {{"--card"}, T::Value, Whole(&BatchOptions::Card, 1, MaxCardNumber, QT_TRANSLATE_NOOP("BatchOptions", "a card number from 1 to 100000"))},
        {{"--called"}, T::Value, Text(&BatchOptions::CalledFile)},
        // Checked once it is known whether the game is of cards or tickets.
        {{"--pattern"}, T::Value, [](BatchOptions& o, const QString&, const QString& v) { o.Pattern = v.toLower(); return std::optional<QString>(); }},
        {{"-q", "--quiet"}, T::Nothing, Flag(&BatchOptions::Quiet)},
        {{"-h", "--help"}, T::Nothing, Flag(&BatchOptions::Help)},
        {{"--record"}, T::Value, Optional(&BatchOptions::Record)},
        {{"--patterns"}, T::Nothing, Flag(&BatchOptions::ListPatterns)},
        {{"--version"}, T::Nothing, Flag(&BatchOptions::Version)},
    };
}

// What the options given together may not be, in words; empty when all is well (a ticket
// job's own rules in TicketRules).
QString CombinationRules(BatchOptions& o, const QStringList& positional, bool cardsGiven)
{
    if (o.Record && (!positional.isEmpty() || !o.Printer.isEmpty()))
        return Say(QT_TRANSLATE_NOOP("BatchOptions", "--record takes a game code and -o FILE.pdf or FILE.csv alone"));
    if (o.Record)
        return {};
    if (o.More && (!o.Game || o.Check || o.CallList))
        return Say(QT_TRANSLATE_NOOP("BatchOptions", "--more goes with --game, for cards or strips to print or export"));
    if (o.Tickets || o.Ticket != 0)
        return TicketRules(o, positional, cardsGiven);
    if (!FindPattern(o.Pattern, OwnPatterns::Read()))
        return QCoreApplication::translate("BatchOptions", "invalid value for %1: '%2' (%3)")
            .arg(QStringLiteral("--pattern"), o.Pattern, Say(QT_TRANSLATE_NOOP("BatchOptions", "--patterns lists the patterns")));
    if (o.Strip != 0 || o.Strips != 1)
        return Say(QT_TRANSLATE_NOOP("BatchOptions", "--strips and --strip go with --tickets"));
    if (positional.size() != 1)
        return positional.isEmpty() ? Say(QT_TRANSLATE_NOOP("BatchOptions", "no word list given"))
                                    : Say(QT_TRANSLATE_NOOP("BatchOptions", "only one word list, please"));
    if (o.Check && (o.Card == 0 || o.CalledFile.isEmpty()))
        return Say(QT_TRANSLATE_NOOP("BatchOptions", "--check needs --card N and --called FILE"));
    if (!o.Check && (o.Card != 0 || !o.CalledFile.isEmpty()))
        return Say(QT_TRANSLATE_NOOP("BatchOptions", "--card and --called go with --check"));
    return EveryJobRules(o);
}

} // namespace

std::optional<BatchOptions> ParseBatchOptions(const QStringList& arguments, QString& error)
{
    BatchOptions o;
    QStringList positional;
    bool cardsGiven = false;
    const std::vector<OptionRule> rules = Rules(cardsGiven);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--")) {
            positional += arguments.mid(i + 1);
            break;
        }
        // A value after "=" or as the next argument; a switch takes none, except those whose
        // "=TEXT" is optional.
        QString name = arg;
        std::optional<QString> attached;
        if (arg.startsWith(QStringLiteral("--")) && arg.contains(u'=')) {
            name = arg.left(arg.indexOf(u'='));
            attached = arg.mid(arg.indexOf(u'=') + 1);
        }
        const auto rule = std::find_if(rules.begin(), rules.end(), [&](const OptionRule& r) { return r.Names.contains(name); });
        if (rule == rules.end()) {
            if (name.startsWith(u'-') && name.size() > 1) {
                error = Say(QT_TRANSLATE_NOOP("BatchOptions", "unknown option %1")).arg(name);
                return std::nullopt;
            }
            positional << arg;
            continue;
        }
        QString value;
        if (rule->Kind == OptionRule::Takes::Value) {
            if (attached) {
                value = *attached;
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                error = Say(QT_TRANSLATE_NOOP("BatchOptions", "option %1 needs a value")).arg(name);
                return std::nullopt;
            }
            // An empty name would print somewhere else than meant (LIST.pdf here, say).
            if (value.isEmpty()) {
                error = Say(QT_TRANSLATE_NOOP("BatchOptions", "option %1 needs a value, and it was empty")).arg(name);
                return std::nullopt;
            }
        } else if (attached && rule->Kind == OptionRule::Takes::Nothing) {
            error = Say(QT_TRANSLATE_NOOP("BatchOptions", "option %1 takes no value")).arg(name);
            return std::nullopt;
        } else if (attached) {
            value = *attached; // "--heading=" sets an empty text, "--heading" none
            if (value.isNull())
                value = QLatin1String("");
        }
        if (const std::optional<QString> allowed = rule->Set(o, name, value)) {
            error = Say(QT_TRANSLATE_NOOP("BatchOptions", "invalid value for %1: '%2' (%3)")).arg(name, value, *allowed);
            return std::nullopt;
        }
    }
    if (o.Help || o.Version || o.ListPatterns)
        return o;
    if (const QString refused = CombinationRules(o, positional, cardsGiven); !refused.isEmpty()) {
        error = refused;
        return std::nullopt;
    }
    o.ListFile = positional.value(0);
    return o;
}
