// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "batch/BatchMessages.h"
#include "platform/PlatformError.h"
#include "words/PictureEntry.h"
#include "words/WordListFormat.h"

#include <QCoreApplication>
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
        // A folder of pictures is a list of its pictures.
        if (QFileInfo(path).isDir()) {
            const QStringList pictures = PictureFolderEntries(path);
            if (pictures.isEmpty())
                throw PlatformError(QCoreApplication::translate("BatchPrint", "There are no pictures in this folder"), path);
            return pictures;
        }
        return ReadWordListFile(path);
    } catch (const NotAWordListError& error) {
        BatchFail(error.Text());
    } catch (const PlatformError& error) {
        BatchFail(error.Text());
    }
    return std::nullopt;
}
