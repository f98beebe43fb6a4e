// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/PasteSafeEdits.h"
#include "words/WordLines.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

bool SafePlainTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source && QPlainTextEdit::canInsertFromMimeData(source);
}

void SafePlainTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText())
        QPlainTextEdit::insertFromMimeData(source);
}

namespace {

QString ClipboardText(QClipboard::Mode mode)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
    return data && data->hasText() ? data->text() : QString();
}

} // namespace

void FollowTextDirection(QLineEdit* edit)
{
    auto follow = [edit](const QString& text) {
        if (text.isEmpty())
            edit->unsetLayoutDirection(); // an empty box is laid out as the window is
        else
            edit->setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    };
    QObject::connect(edit, &QLineEdit::textChanged, edit, follow);
    follow(edit->text());
}

WordBoxEdit::WordBoxEdit(QWidget* parent) : QLineEdit(parent)
{
    FollowTextDirection(this);
}

bool WordBoxEdit::PasteText(const QString& text)
{
    if (isReadOnly() || text.isEmpty())
        return true;
    const qsizetype from = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype replaced = hasSelectedText() ? selectedText().size() : 0;
    const QString whole = QString(this->text()).replace(from, replaced, text);
    if (!HasLineBreak(text) && whole.size() <= maxLength()) {
        insert(text);
        return true;
    }
    Q_EMIT TextArrived(whole);
    return false;
}

void WordBoxEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        PasteText(ClipboardText(QClipboard::Clipboard));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void WordBoxEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        PasteText(ClipboardText(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void WordBoxEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste goes the same way as Ctrl+V.
    for (QAction* action : menu->actions())
        if (action->objectName() == QStringLiteral("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { PasteText(ClipboardText(QClipboard::Clipboard)); });
        }
    menu->popup(event->globalPos());
}

void WordBoxEdit::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data && data->hasText() && !data->hasUrls()) {
        const QString text = data->text();
        if (HasLineBreak(text) || this->text().size() + text.size() > maxLength()) {
            event->acceptProposedAction();
            Q_EMIT TextArrived(this->text() + text);
            return;
        }
    }
    QLineEdit::dropEvent(event);
}
