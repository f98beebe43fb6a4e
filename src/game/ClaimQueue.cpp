// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/ClaimQueue.h"

#include <algorithm>

std::vector<ClaimQueue::Claim>::iterator ClaimQueue::WaitingOf(int card)
{
    return std::find_if(List.begin(), List.end(), [card](const Claim& c) { return c.Card == card && c.Now == State::Waiting; });
}

bool ClaimQueue::Add(int card, const QString& text, bool bingo)
{
    std::lock_guard<std::mutex> guard(Lock);
    if (std::find(Heard.begin(), Heard.end(), card) == Heard.end())
        Heard.push_back(card);
    if (const auto waiting = WaitingOf(card); waiting != List.end()) {
        waiting->Text = text;
        waiting->Bingo = bingo;
        return false;
    }
    List.push_back({card, text, bingo, State::Waiting});
    return true;
}

bool ClaimQueue::Confirm(int card, bool winsNow)
{
    return winsNow && Settle(card, State::Confirmed);
}

bool ClaimQueue::Decide(int card)
{
    return Settle(card, State::HostsDecision);
}

bool ClaimQueue::Settle(int card, State settled)
{
    std::lock_guard<std::mutex> guard(Lock);
    const auto waiting = WaitingOf(card);
    if (waiting == List.end())
        return false;
    waiting->Now = settled;
    return true;
}

bool ClaimQueue::Clear(int card)
{
    std::lock_guard<std::mutex> guard(Lock);
    const auto waiting = WaitingOf(card);
    if (waiting == List.end())
        return false;
    List.erase(waiting);
    return true;
}

void ClaimQueue::Tidy(int card)
{
    std::lock_guard<std::mutex> guard(Lock);
    List.erase(std::remove_if(List.begin(), List.end(), [card](const Claim& c) { return c.Card == card && c.Now != State::Waiting; }),
               List.end());
}

std::vector<ClaimQueue::Claim> ClaimQueue::Claims() const
{
    std::lock_guard<std::mutex> guard(Lock);
    return List;
}

std::optional<ClaimQueue::Claim> ClaimQueue::Waiting(int card) const
{
    std::lock_guard<std::mutex> guard(Lock);
    const auto at = std::find_if(List.begin(), List.end(), [card](const Claim& c) { return c.Card == card && c.Now == State::Waiting; });
    return at == List.end() ? std::nullopt : std::optional<Claim>(*at);
}

std::optional<ClaimQueue::Claim> ClaimQueue::OldestWaiting() const
{
    std::lock_guard<std::mutex> guard(Lock);
    const auto at = std::find_if(List.begin(), List.end(), [](const Claim& c) { return c.Now == State::Waiting; });
    return at == List.end() ? std::nullopt : std::optional<Claim>(*at);
}

std::vector<ClaimQueue::Claim> ClaimQueue::TakeHeard()
{
    std::lock_guard<std::mutex> guard(Lock);
    std::vector<Claim> heard;
    for (const int card : Heard) {
        // Its latest claim: waiting, or settled already in the moment between.
        const auto at = std::find_if(List.rbegin(), List.rend(), [card](const Claim& c) { return c.Card == card; });
        if (at != List.rend())
            heard.push_back(*at);
    }
    Heard.clear();
    return heard;
}
