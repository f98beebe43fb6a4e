// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/Shell.h"
#include <QCoreApplication>

QString CouldNotOpenMessage(const QUrl& url)
{
    const QString address = url.isLocalFile() ? url.toLocalFile() : url.toString();
    return QCoreApplication::translate("Shell", "%1 could not be opened: no program here opens it").arg(address);
}
