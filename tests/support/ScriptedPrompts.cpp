// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "support/ScriptedPrompts.h"
#include <gtest/gtest.h>

ScriptedPrompts::Expected ScriptedPrompts::Next(Kind kind, const QString& text)
{
    Shown << text;
    if (Script.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << text.toStdString();
        return {kind, text};
    }
    Expected e = Script.front();
    Script.pop_front();
    EXPECT_EQ(static_cast<int>(e.What), static_cast<int>(kind)) << "prompt: " << text.toStdString();
    if (e.Pattern.pattern().isEmpty())
        EXPECT_EQ(e.Text.toStdString(), text.toStdString());
    else
        EXPECT_TRUE(e.Pattern.match(text).hasMatch()) << text.toStdString();
    return e;
}

void ScriptedPrompts::Information(const QString& text)
{
    Next(Kind::Information, text);
}

bool ScriptedPrompts::Question(const QString& text, bool yesIsDefault)
{
    QuestionDefaults.push_back(yesIsDefault);
    QuestionAskers.push_back(Asker());
    if (WhileAsking)
        WhileAsking();
    return Next(Kind::Question, text).Yes;
}

Prompts::Answer ScriptedPrompts::QuestionOrCancel(const QString& text)
{
    const Expected e = Next(Kind::Question, text);
    return e.Cancel ? Answer::Cancel : e.Yes ? Answer::Yes : Answer::No;
}

void ScriptedPrompts::Error(const QString& message)
{
    Next(Kind::Error, message);
}

std::optional<QString> ScriptedPrompts::OpenFileName(const FileDialogSpec& request)
{
    Dialogs.push_back(request);
    return Next(Kind::OpenFile, request.Title).File;
}

std::optional<QString> ScriptedPrompts::SaveFileName(const FileDialogSpec& request)
{
    Dialogs.push_back(request);
    return Next(Kind::SaveFile, request.Title).File;
}

std::optional<QString> ScriptedPrompts::FolderName(const QString& title, const QString&)
{
    return Next(Kind::Folder, title).File;
}

std::optional<QColor> ScriptedPrompts::ChooseColour(const QString& title, const QColor&)
{
    const std::optional<QString> answer = Next(Kind::Colour, title).File;
    return answer ? std::optional<QColor>(QColor::fromString(*answer)) : std::nullopt;
}
