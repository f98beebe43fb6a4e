// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Prompts.h"

class QWidget;

// Prompts through QMessageBox and Qt's own file dialog, owned by a window, or by the dialog
// that is open when they are raised.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* owner = nullptr) : Owner(owner) {}
    void SetOwner(QWidget* owner) { Owner = owner; }

    void Information(const QString& text) override;
    bool Question(const QString& text, bool yesIsDefault) override;
    Answer QuestionOrCancel(const QString& text) override;
    void Error(const QString& message) override;
    std::optional<QString> OpenFileName(const FileDialogSpec& request) override;
    std::optional<QString> SaveFileName(const FileDialogSpec& request) override;
    std::optional<QString> FolderName(const QString& title, const QString& start) override;
    std::optional<QColor> ChooseColour(const QString& title, const QColor& start) override;

private:
    std::optional<QString> RunFileDialog(const FileDialogSpec& request, bool save);
    QWidget* Parent() const;
    QWidget* Owner;
};

// "desc|pattern|desc|pattern" as Qt's "desc (pattern);;desc (pattern)".
QString QtFileFilter(const QString& barFilter);
