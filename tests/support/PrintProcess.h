// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "support/TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// plumwick-print run as a script runs it: in a folder of its own, with its own settings
// folder (<folder>/home), on the offscreen platform.
struct PrintRun {
    int Status;
    QString Out;
    QString Err; // trimmed
};

// `language`: the program's language (LANG and LANGUAGE), else the test's own.
inline PrintRun RunPlumwickPrint(const TempFolder& folder, const QStringList& arguments, const QString& language = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!language.isEmpty()) {
        env.remove("LC_ALL");
        env.remove("LC_MESSAGES");
        env.insert("LANG", language + ".UTF-8");
        env.insert("LANGUAGE", language);
    }
    env.insert("XDG_DATA_HOME", folder.Path("home"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder.Path());
    p.start(PLUMWICK_PRINT, arguments);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError()).trimmed()};
}

// The numbers 1 to 75 as a list file in the folder, one per line.
inline QString WriteNumbersList(const TempFolder& folder, const QString& name = "numbers.pwk")
{
    QByteArray bytes;
    for (int i = 1; i <= 75; ++i)
        bytes += QByteArray::number(i) + "\r\n";
    folder.Write(name, bytes);
    return folder.Path(name);
}

// A tool's standard output (pdftotext, pdfinfo).
inline QString ToolOutput(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
