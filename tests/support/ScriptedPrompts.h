// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Prompts.h"

#include <QRegularExpression>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

// A Prompts fake that is told in advance which questions come and how to answer them.
// Any prompt it was not told about fails the running test; what it showed is kept.
class ScriptedPrompts final : public Prompts {
public:
    enum class Kind { Information, Question, Error, OpenFile, SaveFile, Folder, Colour };
    struct Expected {
        Kind What;
        QString Text;                  // message, or dialog title
        bool Yes = false;                 // answer to a question
        std::optional<QString> File = {}; // answer to a file dialog; nullopt cancels
        QRegularExpression Pattern = {};  // where set, the text must match it instead
        bool Cancel = false;              // a question answered with Cancel
    };

    void ExpectInformation(const QString& text) { Script.push_back({Kind::Information, text}); }
    // A message whose text is only partly known (a new game's code); Shown keeps it whole.
    void ExpectInformationMatching(const QString& pattern)
    {
        Script.push_back({Kind::Information, {}, false, {}, QRegularExpression(pattern)});
    }
    // A Yes/No question, or Yes or No to a Yes/No/Cancel one.
    void ExpectQuestion(const QString& text, bool yes) { Script.push_back({Kind::Question, text, yes}); }
    // A Yes/No/Cancel question, cancelled.
    void ExpectQuestionCancelled(const QString& text) { Script.push_back({Kind::Question, text, false, {}, {}, true}); }
    void ExpectError(const QString& message) { Script.push_back({Kind::Error, message}); }
    void ExpectErrorMatching(const QString& pattern)
    {
        Script.push_back({Kind::Error, {}, false, {}, QRegularExpression(pattern)});
    }
    void ExpectOpen(std::optional<QString> file, const QString& title = "Select Bingo Card")
    {
        Script.push_back({Kind::OpenFile, title, false, file});
    }
    void ExpectSave(std::optional<QString> file, const QString& title = "Save Bingo Card")
    {
        Script.push_back({Kind::SaveFile, title, false, file});
    }
    void ExpectFolder(std::optional<QString> folder, const QString& title) { Script.push_back({Kind::Folder, title, false, folder}); }
    // A colour chosen ("#rrggbb"; nullopt cancels).
    void ExpectColour(std::optional<QString> colour, const QString& title) { Script.push_back({Kind::Colour, title, false, colour}); }
    bool Done() const { return Script.empty(); }

    void Information(const QString& text) override;
    bool Question(const QString& text, bool yesIsDefault) override;
    Answer QuestionOrCancel(const QString& text) override;
    void Error(const QString& message) override;
    std::optional<QString> OpenFileName(const FileDialogSpec& request) override;
    std::optional<QString> SaveFileName(const FileDialogSpec& request) override;
    std::optional<QString> FolderName(const QString& title, const QString& start) override;
    std::optional<QColor> ChooseColour(const QString& title, const QColor& start) override;

    QStringList Shown;                     // every text and title, in order
    std::vector<FileDialogSpec> Dialogs;   // every file dialog's set-up
    std::vector<bool> QuestionDefaults;    // whether Yes was the default, per question
    std::vector<QObject*> QuestionAskers;  // the window said to ask it, per question
    std::function<void()> WhileAsking;     // what a real box's event loop would do meanwhile (paint)

private:
    Expected Next(Kind kind, const QString& text);
    std::deque<Expected> Script;
};
