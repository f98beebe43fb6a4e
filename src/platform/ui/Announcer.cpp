// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

namespace {

// Announcers are notifications to assistive technology, whatever widget they are.
QAccessibleInterface* AnnouncerAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncerAccessible);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
    window->installEventFilter(this);
}

Announcer* Announcer::Of(QWidget* window)
{
    if (auto* existing = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new Announcer(window);
}

void Announcer::Say(const QString& text)
{
    Text = text;
    QWidget* own = window();
    if (own->isVisible() && !own->isActiveWindow()) {
        if (!Waiting) {
            Waiting = true;
            QTimer::singleShot(2000, this, [this] {
                if (Waiting)
                    Appear();
            });
        }
        return;
    }
    Appear();
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    // A little after the window is back: the focus it gives back is spoken first, and a
    // screen reader doesn't pass over the notification for the focus change that follows it.
    if (event->type() == QEvent::WindowActivate && watched == window())
        QTimer::singleShot(150, this, [this] {
            if (Waiting)
                Appear();
        });
    // Gone with its window: shown again, the window would otherwise bring back the last
    // announcement of its last use ("Now playing for: Full card" over another game).
    if (event->type() == QEvent::Hide && watched == window() && !Waiting)
        hide();
    return QWidget::eventFilter(watched, event);
}

void Announcer::Appear()
{
    Waiting = false;
    // Shown again with the new text: the appearance is what is spoken.
    hide();
    setAccessibleName(Text);
    show();
    lower();
}
