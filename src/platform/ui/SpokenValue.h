// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/ui/Announcer.h"

#include <QComboBox>

// A list box's chosen value, said by a screen reader when the box takes the focus and when
// the value changes: Qt 6.4 gives a closed list box no text a reader takes for its value, so
// the value is its accessible description, kept up to date, and a change the user makes is
// announced.
inline void SpeakValue(QComboBox* box)
{
    box->setAccessibleDescription(box->currentText());
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] {
        box->setAccessibleDescription(box->currentText());
        if (box->hasFocus())
            Announcer::Of(box->window())->Say(box->currentText());
    });
}
