// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/WindowPlace.h"

#include <algorithm>

QRect PlaceWithin(const QRect& frame, const QRect& available)
{
    if (available.isEmpty())
        return frame;
    const int width = std::min(frame.width(), available.width());
    const int height = std::min(frame.height(), available.height());
    // Worked: a 1153 x 674 frame at (300, 200) on a 1366 x 740 free area at (0, 28) is moved
    // to (213, 94): its right edge at 1366, its bottom at 768, the screen's.
    const int x = std::clamp(frame.x(), available.left(), available.left() + available.width() - width);
    const int y = std::clamp(frame.y(), available.top(), available.top() + available.height() - height);
    return {x, y, width, height};
}

QRect PlaceCentred(const QSize& size, const QPoint& over, const QRect& available)
{
    QRect frame(QPoint(), size);
    frame.moveCenter(over);
    return PlaceWithin(frame, available);
}
