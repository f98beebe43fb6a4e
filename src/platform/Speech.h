// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>

// Reads a call aloud, for the caller's "Read Aloud". Where no engine or no audio device is
// there, Available() says why and Say() does nothing; it never blocks or fails.
class Speech {
public:
    virtual ~Speech() = default;
    virtual bool Available(QString* why = nullptr) = 0;
    virtual void Say(const QString& text) = 0;
    // Still saying the last text (the caller's Auto Call waits for it).
    virtual bool Speaking() { return false; }
};
