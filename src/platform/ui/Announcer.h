// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QWidget>

// Says a short text to a screen reader without moving the focus: a call, a verdict, "Giraffe
// added: 26 words". Qt 6.4 has no announcement of its own, and screen readers pass over
// changes of objects that do not have the focus; they do speak a notification as it
// appears. So the announcer is an invisible notification in its window that appears anew,
// holding the text, at every announcement. Nothing on screen changes.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);
    // The window's announcer, made the first time it is asked for.
    static Announcer* Of(QWidget* window);
    // Said at once, or, while its window is not the active one (a question box just
    // closed, the window manager not yet back to it), just after it is again: a screen
    // reader passes over what appears in an inactive window. At most two seconds later.
    void Say(const QString& text);
    const QString& Last() const { return Text; }

protected:
    void paintEvent(QPaintEvent*) override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Appear();

    QString Text;
    bool Waiting = false;
};
