// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// What happened in a game, for its record: each call with the time it was made, and each
// claim the host confirmed or cleared. Kept beside the game's calls as JSON; the calls
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
        bool operator==(const Claim&) const = default;
    };
    std::vector<Call> Calls;
    std::vector<Claim> Claims;

    void Called(const QString& word, const QDateTime& at);
    void Undone();
    void Claimed(int card, const QString& text, bool confirmed, const QDateTime& at);
    // The calls as the calls file has them: times kept where the words agree, none after.
    void Follow(const QStringList& calls);

    QByteArray Save() const;
    static GameLog Load(const QByteArray& json); // anything unreadable: an empty log
    bool operator==(const GameLog&) const = default;
};
