// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A picture list's call: its picture shown large above its caption.
#include "app/CallerWindow.h"
#include "widgets/PictureView.h"
#include "words/PictureEntry.h"

#include <QLabel>

const Picture* CallerWindow::CurrentCallPicture() const
{
    if (Calls() && Calls()->CalledCount() > 0)
        if (const std::optional<PictureEntry> entry = AsPicture(Calls()->Words()[Calls()->Calls().back()]))
            return CallPictures ? CallPictures->Find(entry->Path) : nullptr;
    return nullptr;
}

void CallerWindow::ShowCallPicture()
{
    CallPicture->Show(CurrentCallPicture(), LblCall->text());
}
