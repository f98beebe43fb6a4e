// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QRect>

// Where a window goes on its screen: its frame moved, and cut down where it is larger, so
// that the whole of it lies in the screen's free area (the screen less its panels). A frame
// that fits stays where it is. Only the rule; the window applies it.
QRect PlaceWithin(const QRect& frame, const QRect& available);
// The frame of `size` centred over `over`, then placed within the free area.
QRect PlaceCentred(const QSize& size, const QPoint& over, const QRect& available);
