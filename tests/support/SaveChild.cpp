// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A child process that saves a large file and can be killed half way by a test:
//   save_child list PATH MEGABYTES     writes a word list of about that size
//   save_child settings PATH           writes one key into a settings file
#include "platform/ProfileFile.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QString>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 4 && args[1] == "list") {
        QByteArray bytes;
        const qint64 size = args[3].toLongLong() * 1024 * 1024;
        bytes.reserve(size);
        while (bytes.size() < size)
            bytes += "a new word of the list\r\n";
        TextFile::WriteAll(args[2], bytes);
        return 0;
    }
    if (args.size() >= 3 && args[1] == "settings") {
        ProfileFile(args[2]).WriteString("Options", "TxtHeading", "NEW");
        return 0;
    }
    return 2;
}
