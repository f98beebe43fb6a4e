// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/QtShell.h"
#include "platform/PlatformError.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

void QtShell::Open(const QUrl& url)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            throw PlatformError(CouldNotOpenMessage(url));
        return;
    }
    // Owned by the application: a browser that xdg-open keeps running in the foreground
    // outlives this window, and only the finished opener's object goes.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, [this, process, url](int status, QProcess::ExitStatus how) {
        process->deleteLater();
        if (how == QProcess::NormalExit && status == 0)
            return;
        Asks.Error(QCoreApplication::translate("QtShell", "%1 (xdg-open ended with exit status %2)")
                       .arg(CouldNotOpenMessage(url))
                       .arg(how == QProcess::NormalExit ? status : -1));
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [this, process, url](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        Asks.Error(CouldNotOpenMessage(url));
    });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(opener, {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
}
