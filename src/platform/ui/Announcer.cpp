// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace {

const char NoticeProperty[] = "plumwickNotice";

// The notices are notifications to assistive technology, whatever widget they are.
QAccessibleInterface* NoticeAccessible(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->property(NoticeProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

// Enough notices that one is never changed while it may still be read.
constexpr int NoticeCount = 4;
// At most this many announcements wait; a flood keeps the newest.
constexpr std::size_t MostWaiting = 8;

// Roughly how long a screen reader takes to say a text: about 15 characters a second.
int HearingTime(const QString& text)
{
    return std::clamp(300 + 65 * static_cast<int>(text.size()), 600, 2500);
}

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(NoticeAccessible);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
    for (int i = 0; i < NoticeCount; ++i) {
        auto* notice = new QWidget(window);
        notice->setProperty(NoticeProperty, true);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->setGeometry(0, 0, 1, 1);
        notice->hide();
        Notices.push_back(notice);
    }
    window->installEventFilter(this);
}

Announcer* Announcer::Of(QWidget* window)
{
    if (auto* existing = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new Announcer(window);
}

const QWidget* Announcer::Showing() const
{
    return Current >= 0 && Notices[static_cast<std::size_t>(Current)]->isVisible() ? Notices[static_cast<std::size_t>(Current)]
                                                                                   : nullptr;
}

void Announcer::Say(const QString& text)
{
    Text = text;
    Pending.push_back(text);
    if (Pending.size() > MostWaiting)
        Pending.pop_front();
    if (Pending.size() == 1)
        SayNext();
}

void Announcer::SayNext()
{
    if (Pending.empty())
        return;
    QWidget* own = window();
    if (own->isVisible() && !own->isActiveWindow()) {
        // Held until the window is back (see the filter), two seconds at most.
        if (!Waiting) {
            Waiting = true;
            QTimer::singleShot(2000, this, [this] {
                if (Waiting) {
                    Waiting = false;
                    SayNext();
                }
            });
        }
        return;
    }
    // After the last one has had its time to be heard.
    if (SinceSaid.isValid() && SinceSaid.elapsed() < Gap) {
        SayLater(Gap - static_cast<int>(SinceSaid.elapsed()));
        return;
    }
    const QString text = Pending.front();
    Pending.pop_front();
    Current = (Current + 1) % NoticeCount;
    QWidget* notice = Notices[static_cast<std::size_t>(Current)];
    // Shown with the text: the appearance is what is spoken.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
    notice->lower();
    SinceSaid.start();
    Gap = HearingTime(text);
    if (!Pending.empty())
        SayLater(Gap);
}

void Announcer::SayLater(int ms)
{
    QTimer::singleShot(std::max(1, ms), this, [this] {
        if (!Waiting)
            SayNext();
    });
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    // A little after the window is back: the focus it gives back is spoken first, and a
    // screen reader doesn't pass over the notification for the focus change that follows it.
    if (event->type() == QEvent::WindowActivate && watched == window() && Waiting)
        QTimer::singleShot(150, this, [this] {
            if (Waiting) {
                Waiting = false;
                SayNext();
            }
        });
    // Gone with its window: shown again, the window would otherwise bring back the last
    // announcement of its last use ("Now playing for: Full card" over another game).
    if (event->type() == QEvent::Hide && watched == window() && Pending.empty())
        for (QWidget* notice : Notices)
            notice->hide();
    return QWidget::eventFilter(watched, event);
}
