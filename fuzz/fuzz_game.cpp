// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The game-code reader and the caller's saved calls on any input: no crash, a code that
// reads is written back as the same code, and calls that load save and load again the same.
#include "game/CallerDraw.h"
#include "game/GameCode.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto code = ParseGameCode(QString::fromUtf8(bytes))) {
        if (ParseGameCode(code->Text()) != code || code->Seed >= GameCode::SeedLimit || code->Shape > 0xfff)
            std::abort();
    }
    static const QStringList words = {"1", "2", "3", "B 12", "Free Space", "1", "\u00e9t\u00e9"};
    CallerDraw draw(words);
    if (draw.Load(bytes)) {
        CallerDraw again(words);
        if (!again.Load(draw.Save()) || again.Calls() != draw.Calls() || draw.CalledCount() > draw.Total())
            std::abort();
        while (!draw.Done())
            draw.Draw(0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(draw.CalledCount() + 1));
        draw.Undo();
    }
    return 0;
}
