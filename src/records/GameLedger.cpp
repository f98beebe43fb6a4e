// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "records/GameLedger.h"
#include "game/NinetyBall.h"
#include "platform/PlatformError.h"

#include <memory>
#include <mutex>

namespace {

// The tickets of the strips this sharing took and has not yet dealt.
struct StripsInHand {
    std::mutex Lock;
    int Next = 1; // the next ticket to deal
    int End = 0;  // the last ticket of the strips taken
};

} // namespace

SharedGame::Ledger RecordedLedger(const GameRecord& game, std::function<void(const QString&)> note)
{
    const auto take = [game, note](int count) {
        try {
            const GameHistory::TakenCards taken = GameHistory::Take(game, count);
            if (!taken.Note.isEmpty())
                note(taken.Note);
            return taken.First;
        } catch (const PlatformError& error) {
            note(error.Text());
            return 0;
        }
    };
    const auto had = [code = game.Code, note] {
        try {
            return GameHistory::CardsHad(code);
        } catch (const PlatformError& error) {
            note(error.Text());
            return 0;
        }
    };
    if (!game.Tickets)
        return {had, [take] { return take(1); }};

    constexpr int PerStrip = NinetyBall::TicketsPerStrip;
    auto hand = std::make_shared<StripsInHand>();
    return {[had, hand] {
                // Every ticket of the strips taken, but those still in this hand at the end.
                const int tickets = had() * PerStrip;
                std::lock_guard<std::mutex> guard(hand->Lock);
                return hand->End == tickets && hand->Next <= hand->End ? hand->Next - 1 : tickets;
            },
            [take, hand] {
                std::lock_guard<std::mutex> guard(hand->Lock);
                if (hand->Next > hand->End) {
                    const int strip = take(1);
                    if (strip < 1)
                        return 0;
                    hand->Next = (strip - 1) * PerStrip + 1;
                    hand->End = strip * PerStrip;
                }
                return hand->Next++;
            }};
}
