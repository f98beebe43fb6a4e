// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Prompts.h"

#include <QString>
#include <exception>

// Runs a handler; an error it raises ends it there and is shown in the default error box,
// and the program carries on with whatever state the handler had reached. Every handler
// of every window goes through here, so no exception reaches Qt's event loop.
template <class Handler>
void RunGuarded(Prompts& asks, Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        asks.Error(QString::fromStdString(error.what()));
    }
}
