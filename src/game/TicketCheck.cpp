// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/TicketCheck.h"
#include "game/GameCode.h"
#include "words/CountText.h"

#include <QCoreApplication>

namespace {

QString Say(const char* text)
{
    return QCoreApplication::translate("TicketCheck", text);
}

} // namespace

bool IsTicketCode(const QString& typed)
{
    const auto code = ParseGameCode(typed);
    return code && code->Shape == NinetyBall::TicketShape();
}

TicketCheck CheckGameTicket(const QString& codeText, int strip, int ticket, int knownStrips,
                            const std::vector<bool>& called, NinetyBall::TicketPattern pattern)
{
    using NinetyBall::TicketsPerStrip;
    TicketCheck check;
    GameCodeError why = GameCodeError::None;
    const auto code = ParseGameCode(codeText, &why);
    if (codeText.trimmed().isEmpty()) {
        check.Error = Say(QT_TRANSLATE_NOOP("TicketCheck", "Please type the game code printed on the ticket (as K7F2-9QXA)."));
        return check;
    }
    if (!code) {
        check.Error = GameCodeErrorText(codeText, why);
        return check;
    }
    check.Code = code->Text();
    if (code->Shape != NinetyBall::TicketShape()) {
        check.Error = Say(QT_TRANSLATE_NOOP("TicketCheck", "%1 is the code of a game of cards, not of tickets")).arg(check.Code);
        return check;
    }
    check.Strip = strip > 0 ? strip : (ticket - 1) / TicketsPerStrip + 1;
    check.Ticket = strip > 0 ? ticket : (ticket - 1) % TicketsPerStrip + 1;
    const int lastStrip = knownStrips > 0 ? knownStrips : NinetyBall::MaxStrips + 1;
    if (ticket < 1 || check.Ticket > TicketsPerStrip || check.Strip > lastStrip) {
        check.Error = knownStrips > 0 ? Say(QT_TRANSLATE_NOOP("TicketCheck", "Game %1 has %2 (tickets 1 to %3); there is no "
                                                                             "ticket %4 on strip %5"))
                                            .arg(check.Code, StripCountText(knownStrips))
                                            .arg(knownStrips * TicketsPerStrip)
                                            .arg(check.Ticket)
                                            .arg(check.Strip)
                                      : Say(QT_TRANSLATE_NOOP("TicketCheck", "There is no ticket %1 on strip %2"))
                                            .arg(check.Ticket)
                                            .arg(check.Strip);
        return check;
    }
    NinetyBall::StripGame game(NinetyBall::Dealer(), code->Seed);
    game.Plan(check.Strip);
    check.Shown = game.At(check.Strip)[static_cast<size_t>(check.Ticket - 1)];
    check.Result = NinetyBall::CheckTicket(check.Shown, called, pattern);
    if (knownStrips <= 0)
        check.Note = Say(QT_TRANSLATE_NOOP("TicketCheck", "This computer has no record of game %1, so it cannot confirm how "
                                                          "many strips the game has."))
                         .arg(check.Code);
    return check;
}
