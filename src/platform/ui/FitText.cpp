// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/FitText.h"

#include <QFontMetrics>
#include <algorithm>

int LargestFittingSize(QFont font, const QRect& space, const QString& text, int low, int high, int maxLines)
{
    high = std::max(low, high);
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        font.setPixelSize(mid);
        const QFontMetrics metrics(font);
        const QRect need = metrics.boundingRect(space, Qt::AlignCenter | Qt::TextWordWrap, text);
        const int lines = need.height() / std::max(1, metrics.lineSpacing());
        if (need.width() <= space.width() && need.height() <= space.height() && lines <= maxLines)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}
