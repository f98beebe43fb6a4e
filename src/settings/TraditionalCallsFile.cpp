// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "settings/TraditionalCallsFile.h"
#include "game/TraditionalCalls.h"
#include "platform/PlatformError.h"
#include "platform/TextFile.h"
#include "platform/Paths.h"
#include "settings/DataFolders.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
const QString FileName = QStringLiteral("90-Ball Calls.txt");
}

QString TraditionalCallsPath()
{
    const QString samples = SampleListsPath();
    if (!samples.isEmpty() && QFileInfo::exists(JoinPath(samples, FileName)))
        return JoinPath(samples, FileName);
    return JoinPath(ShippedDataPath(QCoreApplication::applicationDirPath(), QStringLiteral("SampleLists")), FileName);
}

std::map<int, QString> ReadTraditionalCalls()
{
    try {
        // A list of calls is small: anything much larger is no list of calls.
        const QString path = TraditionalCallsPath();
        if (QFileInfo(path).size() > 64 * 1024)
            return {};
        return ParseTraditionalCalls(QString::fromUtf8(TextFile::ReadAll(path)));
    } catch (const PlatformError&) {
        return {};
    }
}
