// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A picture list and a damaged picture on any input: no crash; a picture line reads back the
// same once written and named from another folder and back; a picture either reads whole,
// within its bounds, or is refused with a reason.
#include "platform/Picture.h"
#include "platform/PlatformError.h"
#include "words/PictureEntry.h"
#include "words/WordListFormat.h"

#include "GuiApplication.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NeedGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& entry : ParseWordList(bytes)) {
        const std::optional<PictureEntry> picture = AsPicture(entry);
        if (!picture) {
            if (EntryCaption(entry) != entry)
                std::abort();
            continue;
        }
        const std::optional<PictureEntry> again = AsPicture(PictureLine(*picture));
        if (!again || again->Path != picture->Path || again->Caption != picture->Caption)
            std::abort();
        const QStringList moved = Rebased({entry}, QStringLiteral("/lists/a"), QStringLiteral("/elsewhere"));
        const QStringList back = Rebased(moved, QStringLiteral("/elsewhere"), QStringLiteral("/lists/a"));
        if (!AsPicture(back.constFirst()) ||
            PictureFile(*AsPicture(back.constFirst()), "/lists/a") != PictureFile(*picture, "/lists/a"))
            std::abort();
    }
    try {
        const Picture picture = ReadPicture(bytes, QStringLiteral("fuzz.png"), ListPictureSide);
        if (picture.IsNull() || picture.Image.width() > MaxPictureSide || picture.Image.height() > MaxPictureSide)
            std::abort();
        RenderedAt(picture, QSize(64, 64));
    } catch (const PlatformError&) {
    }
    return 0;
}
