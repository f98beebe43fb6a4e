// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QTimer;
class Prompts;

// File > Edit Words: the whole list as plain text, one word per line, in a plain-text
// editor with the usual editing keys and undo, and a count of the words under it that
// follows the typing. Leaving it without OK after a change asks before the change is lost.
// It only edits text; the main window decides what OK changes.
class WordsEditorDialog final : public QDialog {
    Q_OBJECT

public:
    WordsEditorDialog(QWidget* owner, Prompts& asks, const QStringList& words);

    // Escape, Cancel and the close button: with the text changed, asks first.
    void reject() override;

    QString Text() const;
    QPlainTextEdit* Editor = nullptr;
    QLabel* LblCount = nullptr;

    // "32 words", "1 word".
    static QString CountText(qsizetype words);

private:
    void Recount();
    QTimer* RecountTimer = nullptr;
    Prompts& Asks;
    QString Original;
};
