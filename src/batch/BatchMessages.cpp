// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "batch/BatchMessages.h"
#include "platform/PlatformError.h"
#include "words/PictureEntry.h"
#include "words/WordListFormat.h"

#include <QFileInfo>

#include <cstdio>

void BatchFail(const QString& text)
{
    std::fprintf(stderr, "plumwick-print: %s\n", qUtf8Printable(ErrorBoxText(ElideForMessage(text, 200))));
}

void BatchWarn(const QString& text)
{
    if (!text.isEmpty())
        std::fprintf(stderr, "plumwick-print: warning: %s\n", qUtf8Printable(ErrorBoxText(ElideForMessage(text, 200))));
}

std::optional<QStringList> ReadListOrSay(const QString& path)
{
    try {
        // A folder of pictures is a list of its pictures (any other folder is refused as a folder).
        if (QFileInfo(path).isDir())
            if (const QStringList pictures = PictureFolderEntries(path); !pictures.isEmpty())
                return pictures;
        return ReadWordListFile(path);
    } catch (const NotAWordListError& error) {
        BatchFail(error.Text());
    } catch (const PlatformError& error) {
        BatchFail(error.Text());
    }
    return std::nullopt;
}
