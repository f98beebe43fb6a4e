// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QLineEdit>
#include <QPlainTextEdit>

class QMimeData;

// A one-line edit that runs the way its text does: Arabic or Hebrew (a text whose first
// strong letter is written right to left) stands at the right and is edited right to left,
// and a mixed text takes its order from its first letter, as in a browser's dir="auto".
void FollowTextDirection(QLineEdit* edit);

// A plain-text editor that takes a paste or a drop only when there is something to take.
// With an empty clipboard or selection (nothing copied yet on X11, or its owner gone) the
// clipboard hands over no data at all, and Qt's own editor would read from it regardless.
class SafePlainTextEdit final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// The word box's line: a paste, a middle click or a drop of text with line breaks, or of
// more than the line takes, arrives whole through TextArrived (the text the line would
// hold, typed part included) instead of being cut at the line's length limit. Plain
// single-line pastes go in as usual.
class WordBoxEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit WordBoxEdit(QWidget* parent = nullptr);

    // Puts text in at the cursor as a paste would; false when it went out through
    // TextArrived instead.
    bool PasteText(const QString& text);

Q_SIGNALS:
    void TextArrived(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
