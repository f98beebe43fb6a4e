// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// What happened in a game, for its record: each call with the time it was made, each call
// taken back and when, and each claim the host confirmed or cleared. Kept beside the game's calls as JSON; the calls
// themselves stay in the calls file, and a log that disagrees with them gives way.
struct GameLog {
    struct Call {
        QString Word;
        QDateTime At; // UTC
        bool operator==(const Call&) const = default;
    };
    struct Claim {
        int Card = 0;
        QString Text;  // as the claims list said it: "Card 5 claims bingo: not yet (2 missing)"
        QDateTime At;
        bool Confirmed = false;
        bool HostsDecision = false; // confirmed by the host though the rules found it not winning
        bool operator==(const Claim&) const = default;
    };
    std::vector<Call> Calls;
    std::vector<Call> TakenBack; // the word taken back and the time it was
    std::vector<Claim> Claims;

    void Called(const QString& word, const QDateTime& at);
    // The last call taken back at `at`: gone from the calls, kept among those taken back.
    void Undone(const QDateTime& at);
    void Claimed(int card, const QString& text, bool confirmed, const QDateTime& at, bool hostsDecision = false);
    // The calls as the calls file has them: times kept where the words agree, none after.
    void Follow(const QStringList& calls);

    QByteArray Save() const;
    static GameLog Load(const QByteArray& json); // anything unreadable: an empty log
    bool operator==(const GameLog&) const = default;
};
