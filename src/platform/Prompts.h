// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

// What a file dialog is set up with before each use. The filter is "desc|pattern|desc|pattern";
// FileName is the name last chosen in this dialog (the caller keeps it), or a bare name offered.
struct FileDialogSpec {
    QString Title;
    QString Filter;
    QString DefaultExt; // with its dot, or empty
    QString FileName;
    QString Folder; // where the dialog starts when FileName names no folder
    bool AskBeforeReplacing = false; // a save dialog asks before a chosen file is replaced
};

// The modal questions the program asks: message boxes captioned "Plumwick" and the common
// file dialogs. The program never calls a dialog directly, so tests can script each answer.
class Prompts {
public:
    virtual ~Prompts() = default;

    // OK box with the information icon.
    virtual void Information(const QString& text) = 0;
    // Yes/No box with the question icon; true for Yes.
    virtual bool Question(const QString& text, bool yesIsDefault) = 0;
    // Yes/No/Cancel box with the question icon, Yes the default; Escape and the close button
    // are Cancel (a question before a step that the user may still call off).
    enum class Answer { Yes, No, Cancel };
    virtual Answer QuestionOrCancel(const QString& text) = 0;
    // The default error box: stop icon, OK, the message after ErrorBoxText.
    virtual void Error(const QString& message) = 0;

    virtual std::optional<QString> OpenFileName(const FileDialogSpec& request) = 0;
    virtual std::optional<QString> SaveFileName(const FileDialogSpec& request) = 0;
    // A folder to write into, starting at `start`; nothing when the user cancels.
    virtual std::optional<QString> FolderName(const QString& title, const QString& start) = 0;
    // A colour, starting from `start`; nothing when the user cancels.
    virtual std::optional<QColor> ChooseColour(const QString& title, const QColor& start) = 0;

    // The window asking the questions to come, where the window manager may not have made it
    // the active one yet (a window asking as it opens); none: the active window asks.
    QObject* Asker() const { return AskerWindow; }
    void SetAsker(QObject* window) { AskerWindow = window; }

private:
    QPointer<QObject> AskerWindow;
};

// The questions asked in a scope belong to `window`, whichever window is active.
class AskingFrom {
public:
    AskingFrom(Prompts& asks, QObject* window) : Asks(asks), Before(asks.Asker()) { asks.SetAsker(window); }
    ~AskingFrom() { Asks.SetAsker(Before); }
    AskingFrom(const AskingFrom&) = delete;
    AskingFrom& operator=(const AskingFrom&) = delete;

private:
    Prompts& Asks;
    QPointer<QObject> Before;
};
