// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QFont>
#include <QRect>
#include <QString>

// The largest pixel size from `low` to `high` at which `text`, centred and wrapped at word
// breaks, fits `space` in at most `maxLines` lines; `low` where none does.
int LargestFittingSize(QFont font, const QRect& space, const QString& text, int low, int high, int maxLines);
