// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

#include <mutex>
#include <optional>
#include <vector>

// The claims of a shared game as the host settles them, in the order they came: one entry a
// card while it waits (a card that claims again replaces its waiting claim with the new
// one), each settled as confirmed, as the host's decision, or cleared (gone from the queue;
// the game's log keeps it). A claim is confirmed only where the rules find the card winning
// with the calls made at that moment; the host may still decide it wins (a house rule, a
// late call), a separate step marked as the host's. The phones' server fills it from its
// threads and the caller settles it from the window's, so every call is guarded.
class ClaimQueue {
public:
    enum class State { Waiting, Confirmed, HostsDecision };
    struct Claim {
        int Card = 0;
        QString Text;       // as the claim was judged when it came: "Card 5 claims bingo: not yet (2 missing)"
        bool Bingo = false; // that judgement
        State Now = State::Waiting;
        bool operator==(const Claim&) const = default;
    };

    // A card's claim. True when it is a new entry, false when it replaced its waiting one.
    bool Add(int card, const QString& text, bool bingo);
    // Settles the card's waiting claim; false where there is none, or, for Confirm, where
    // the card does not win now (`winsNow`: the rules, with the calls made so far).
    bool Confirm(int card, bool winsNow);
    bool Decide(int card);
    // Clears the card's waiting claim (rejected); false where it has none.
    bool Clear(int card);
    // Takes the card's settled entries off the queue (the host tidying the list).
    void Tidy(int card);

    std::vector<Claim> Claims() const;
    std::optional<Claim> Waiting(int card) const;
    std::optional<Claim> OldestWaiting() const;
    // The claims added or renewed since it was last asked, a card's latest only, in order.
    std::vector<Claim> TakeHeard();

private:
    std::vector<Claim>::iterator WaitingOf(int card);
    bool Settle(int card, State settled);

    mutable std::mutex Lock;
    std::vector<Claim> List;
    std::vector<int> Heard; // cards, in the order their claims came
};
