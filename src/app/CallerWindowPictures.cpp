// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A picture list's call: its picture shown large above its caption.
#include "app/CallerWindow.h"
#include "app/PictureView.h"
#include "words/PictureEntry.h"

#include <QLabel>

void CallerWindow::ShowCallPicture()
{
    const Picture* picture = nullptr;
    if (Calls && Calls->CalledCount() > 0)
        if (const std::optional<PictureEntry> entry = AsPicture(Calls->Words()[Calls->Calls().back()]))
            picture = CallPictures.Find(entry->Path);
    CallPicture->Show(picture, LblCall->text());
}
