// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// What a phone sends a shared game, on any input: no crash, and a message that reads holds
// only what the game may take (a known type, a secret of the one shape, a card in range).
#include "game/PlayerMessage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto message = ParsePlayerMessage(bytes);
    if (!message)
        return 0;
    if (bytes.size() > MaxPlayerMessage)
        std::abort();
    switch (message->Type) {
    case PlayerMessage::Kind::Deal:
        if (!message->Secret.isEmpty() || message->Card != 0)
            std::abort();
        break;
    case PlayerMessage::Kind::Take:
        if (message->Card < 1 || message->Card > MaxSharedCard || !message->Secret.isEmpty())
            std::abort();
        break;
    case PlayerMessage::Kind::Hello:
    case PlayerMessage::Kind::Claim:
        if (!IsSeatSecret(message->Secret) || message->Card != 0)
            std::abort();
        break;
    }
    return 0;
}
