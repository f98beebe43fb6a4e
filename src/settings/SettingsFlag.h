// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

// A switch of the additions, remembered in a section of its own of the settings file
// ("1" or "0", off when absent). Reading never fails; a failed write raises PlatformError.
struct SettingsFlag {
    QString Section;
    QString Key;

    bool Read() const;
    void Write(bool on) const;
};

// A number an addition remembers in a section of its own, `Default` when absent or unreadable.
struct SettingsNumber {
    QString Section;
    QString Key;
    int Default;

    int Read() const;
    void Write(int value) const;
};

// Options > Number the Cards; the caller's Read Aloud; Options > Same Text Size.
inline const SettingsFlag NumberCardsFlag{QStringLiteral("Game"), QStringLiteral("NumberCards")};
inline const SettingsFlag ReadAloudFlag{QStringLiteral("Game"), QStringLiteral("ReadAloud")};
inline const SettingsFlag SameTextSizeFlag{QStringLiteral("Look"), QStringLiteral("SameTextSize")};
// Options > 90-Ball Tickets.
inline const SettingsFlag TicketsFlag{QStringLiteral("Tickets"), QStringLiteral("Play")};
// The caller's Traditional Calls, for a game of tickets.
inline const SettingsFlag TraditionalCallsFlag{QStringLiteral("Tickets"), QStringLiteral("TraditionalCalls")};
// The caller's Auto Call: seconds between calls.
inline const SettingsNumber AutoCallSecondsSetting{QStringLiteral("AutoCall"), QStringLiteral("Seconds"), 8};
// Where the room display shows how a phone joins a shared game: 0 a corner, 1 large, 2 not.
inline const SettingsNumber RoomJoinSetting{QStringLiteral("RoomDisplay"), QStringLiteral("Join"), 0};
