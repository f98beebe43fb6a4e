// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/ScreenFit.h"
#include "platform/WindowPlace.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace {

// What a window manager usually draws around a window, for the first placing (before it has
// framed the window and the frame can be read).
constexpr QSize LikelyDecoration(8, 32);

QRect FreeArea(const QWidget* window)
{
    const QScreen* on = window->screen();
    return on ? on->availableGeometry() : QRect();
}

QSize Decoration(const QWidget* window)
{
    const QSize drawn = window->frameGeometry().size() - window->size();
    return drawn.isEmpty() || !window->testAttribute(Qt::WA_WState_Visible) ? LikelyDecoration : drawn;
}

// The widgets Tab reaches in the window, in order.
std::vector<QPointer<QWidget>> TabChain(QWidget* window)
{
    std::vector<QPointer<QWidget>> chain;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain.emplace_back(w);
    return chain;
}

class Fitter final : public QObject {
public:
    Fitter(QWidget* window, bool centre) : QObject(window), Window(window), Centre(centre)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != Window || Window->isFullScreen() || Window->isMaximized())
            return false;
        // The window manager frames and places the window after it is shown: the first moves
        // it makes are looked at again, with the frame it drew.
        if (event->type() == QEvent::Move && MovesToCheck > 0) {
            --MovesToCheck;
            QTimer::singleShot(0, Window, [w = Window] { ScreenFit::KeepOnScreen(w); });
        }
        if (event->type() != QEvent::Show)
            return false;
        MovesToCheck = 3;
        const QRect free = FreeArea(Window);
        if (free.isEmpty())
            return false;
        const QSize room = free.size() - Decoration(Window);
        if (Window->property("plumwickMayScroll").toBool())
            ScreenFit::ScrollIfLarger(Window, room);
        QRect frame(Window->frameGeometry().topLeft(), Window->size().boundedTo(room) + Decoration(Window));
        const QWidget* over = Window->parentWidget() ? Window->parentWidget()->window() : nullptr;
        if (!Shown && Centre && over && over->isVisible())
            frame = PlaceCentred(frame.size(), over->frameGeometry().center(), free);
        Shown = true;
        ScreenFit::SetFrame(Window, PlaceWithin(frame, free));
        // Framed by the window manager, it is looked at again with the frame it was given.
        QTimer::singleShot(0, Window, [w = Window] { ScreenFit::KeepOnScreen(w); });
        return false;
    }

private:
    QWidget* Window;
    bool Centre;
    bool Shown = false;
    int MovesToCheck = 0;
};

} // namespace

namespace ScreenFit {

void Install(QWidget* window, bool centreOverParent, bool mayScroll)
{
    window->setProperty("plumwickMayScroll", mayScroll); // read again by KeepOnScreen
    new Fitter(window, centreOverParent);
}

void KeepOnScreen(QWidget* window)
{
    if (!window->isVisible() || window->isFullScreen() || window->isMaximized())
        return;
    const QRect free = FreeArea(window);
    if (free.isEmpty())
        return;
    const QRect frame = window->frameGeometry();
    const QRect placed = PlaceWithin(frame, free);
    if (placed != frame) {
        if (window->property("plumwickMayScroll").toBool())
            ScrollIfLarger(window, free.size() - (frame.size() - window->size()));
        SetFrame(window, placed);
    }
}

void SetFrame(QWidget* window, const QRect& frame)
{
    window->resize(frame.size() - Decoration(window));
    window->move(frame.topLeft());
}

bool ScrollIfLarger(QWidget* window, const QSize& room)
{
    QLayout* layout = window->layout();
    if (!layout || window->property("plumwickScrolls").toBool())
        return false;
    const QSize needed = layout->minimumSize();
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return false;
    const std::vector<QPointer<QWidget>> chain = TabChain(window);
    // The buttons that end a dialog stay in view, below what scrolls.
    QDialogButtonBox* buttons = nullptr;
    if (auto* box = qobject_cast<QBoxLayout*>(layout); box && box->count() > 0)
        if ((buttons = qobject_cast<QDialogButtonBox*>(box->itemAt(box->count() - 1)->widget())))
            box->removeWidget(buttons);
    // Reparented, a widget is hidden: each shows again as it was.
    std::vector<std::pair<QPointer<QWidget>, bool>> shown;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            shown.emplace_back(child, !child->isHidden());
    auto* content = new QWidget;
    content->setLayout(layout); // taken from the window, with the widgets it lays out
    auto* scroller = new QScrollArea(window);
    scroller->setObjectName(QStringLiteral("screenFitScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(content);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, buttons ? layout->contentsMargins().bottom() : 0);
    outer->addWidget(scroller, 1);
    scroller->show(); // made while the window may be showing already
    if (buttons) {
        buttons->setParent(window);
        outer->addWidget(buttons);
        buttons->show();
        outer->setContentsMargins(layout->contentsMargins().left(), 0, layout->contentsMargins().right(),
                                  layout->contentsMargins().bottom());
    }
    for (const auto& [child, visible] : shown)
        if (child && child->parentWidget() != window)
            child->setVisible(visible);
    window->setProperty("plumwickScrolls", true);
    // A form of fixed size (at the desktop's usual font) scrolls instead.
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    outer->activate(); // the window's least size is now the scroll area's
    for (std::size_t i = 1; i < chain.size(); ++i)
        if (chain[i - 1] && chain[i])
            QWidget::setTabOrder(chain[i - 1], chain[i]);
    return true;
}

} // namespace ScreenFit
