// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The profile reader and writer on any file: reading never fails, a written key reads
// back as written, and every other key reads as before.
#include "platform/PlatformError.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QString TempPath()
{
    static const QString path = QDir::tempPath() + QStringLiteral("/plumwick-fuzz-%1.ini").arg(::getpid());
    return path;
}

} // namespace

// Input: the file's bytes, then a line "section|key|value|othersection|otherkey".
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = all.lastIndexOf('\n');
    const QByteArray fileBytes = split < 0 ? QByteArray() : all.left(split);
    const QStringList names = QString::fromLatin1(split < 0 ? all : all.mid(split + 1)).split(u'|');
    if (names.size() < 5)
        return 0;
    const QString section = names[0], key = names[1], value = names[2], otherSection = names[3], otherKey = names[4];
    // Names with characters that can't stand in a file line are the caller's mistake.
    for (const QString& n : {section, key, otherSection, otherKey})
        if (n.contains(u'=') || n.contains(u']') || n.contains(u'\r') || n.contains(u'[') || n.contains(u';') ||
            n.trimmed().isEmpty() || n.size() != n.trimmed().size())
            return 0;
    if (value.contains(u'\r') || value.contains(u'\n') || value.size() > ProfileFile::MaxValueLength)
        return 0;

    {
        QFile file(TempPath());
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(fileBytes);
    }
    ProfileFile profile(TempPath());
    const QString before = profile.ReadString(otherSection, otherKey, QStringLiteral("<none>"));
    try {
        profile.WriteString(section, key, value);
    } catch (const PlatformError&) {
        std::abort();
    }
    if (profile.ReadString(section, key, QStringLiteral("<none>")) != value)
        std::abort();
    const bool same = section.compare(otherSection, Qt::CaseInsensitive) == 0 &&
                      key.compare(otherKey, Qt::CaseInsensitive) == 0;
    if (!same && profile.ReadString(otherSection, otherKey, QStringLiteral("<none>")) != before)
        std::abort();
    QFile::remove(TempPath());
    return 0;
}
