// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <stdexcept>

// The one exception type of the program: a failure of the platform (a file that can't be
// opened, a settings file that can't be written, a text that isn't a number). It carries
// the platform's own message, without the full stop the error box adds, and the file it
// concerns where there is one: Text() is then "/home/ann/animals.pwk: Disk full", so that
// every message says what failed and why.
// Handlers never catch it; the dispatch wrapper of the main window shows it.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const QString& message) : PlatformError(message, QString()) {}
    PlatformError(const QString& reason, const QString& file)
        : std::runtime_error(Compose(reason, file).toStdString()), Message(Compose(reason, file)), Why(reason),
          Path(file)
    {
    }
    const QString& Text() const { return Message; }
    // The reason alone ("Disk full"), and the file it concerns (may be empty).
    const QString& Reason() const { return Why; }
    const QString& File() const { return Path; }

private:
    static QString Compose(const QString& reason, const QString& file)
    {
        return file.isEmpty() ? reason : file + QStringLiteral(": ") + reason;
    }
    QString Message;
    QString Why;
    QString Path;
};

// The default error box's text: the message, with a full stop appended when its last
// character's code is above that of "." ("File not found." but "Stop!" stays as it is).
QString ErrorBoxText(const QString& message);

// A text typed or read by someone else, made fit to quote in a message: a run of more than
// `longest` characters without a space keeps its start and end around an ellipsis, and the
// whole is cut to a few such runs, so that a 100,000-character paste never makes a message
// box taller than the screen.
QString ElideForMessage(const QString& text, qsizetype longest = 80);
