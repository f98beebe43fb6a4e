// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include <deque>
#include <vector>

// Says a short text to a screen reader without moving the focus: a call, a verdict, "Giraffe
// added: 26 words". Qt 6.4 has no announcement of its own, and screen readers pass over
// changes of objects that do not have the focus; they do speak a notification as it
// appears. So each announcement is an invisible notification of its window that appears,
// holding the text, and never changes while a screen reader may still be reading it (a few
// of them are used in turn). Nothing on screen changes.
//
// Announcements are queued: two in one moment (sharing started, and its address) are both
// said, the second once the first has had time to be spoken. The announcer itself is never
// shown; it only holds the queue.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);
    // The window's announcer, made the first time it is asked for.
    static Announcer* Of(QWidget* window);
    // Said at once, after those before it, or, while its window is not the active one (a
    // question box just closed, the window manager not yet back to it), just after it is
    // again: a screen reader passes over what appears in an inactive window. At most two
    // seconds later.
    void Say(const QString& text);
    // The last text asked to be said, and the notification showing the last said.
    const QString& Last() const { return Text; }
    const QWidget* Showing() const;
    bool Idle() const { return Pending.empty(); }

protected:
    void paintEvent(QPaintEvent*) override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SayNext();
    void SayLater(int ms);

    QString Text;
    std::deque<QString> Pending;
    std::vector<QWidget*> Notices; // shown in turn
    int Current = -1;              // the notice showing the last said
    QElapsedTimer SinceSaid;
    int Gap = 0; // how long the last said takes to hear, roughly
    bool Waiting = false;
};
