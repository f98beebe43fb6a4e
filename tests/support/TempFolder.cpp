// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QStandardPaths>
#include <cstdlib>

QString TempFolder::Path(const QString& name) const
{
    return name.isEmpty() ? Dir.path() : Dir.path() + u'/' + name;
}

void TempFolder::Write(const QString& name, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(Path(name)).absolutePath());
    QFile file(Path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TempFolder::Read(const QString& name) const
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TempDataHome::TempDataHome() : OldValue(qgetenv("XDG_DATA_HOME")), HadValue(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
{
    qputenv("XDG_DATA_HOME", Folder.Path().toLocal8Bit());
    QDir().mkpath(DataFolder());
}

TempDataHome::~TempDataHome()
{
    if (HadValue)
        qputenv("XDG_DATA_HOME", OldValue);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString TempDataHome::DataFolder() const
{
    return Folder.Path(QStringLiteral("Plumwick"));
}
