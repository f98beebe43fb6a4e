// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "support/RecordingSurface.h"

std::vector<RecordingSurface::Text> RecordingSurface::Visible() const
{
    std::vector<Text> visible;
    for (const Text& t : Texts)
        if (!t.Str.trimmed().isEmpty())
            visible.push_back(t);
    return visible;
}
