// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QGroupBox>
#include <QWidget>

// Window chrome shared by the main window and the dialogs.

// The grey of the window panels and the sample card (red, green and blue 232).
inline constexpr int PanelGrey = 232;

// Whether the desktop's colours are dark (a dark theme): its window colour is.
inline bool IsDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// A window's colours, set in pairs so that every text contrasts with what it stands on,
// whatever the desktop's theme. Called once a window's controls are made.
// - With light desktop colours the window is the panel grey, with black text on it (21:1
//   less a little: 17.8:1). A dark theme's own colours are left as they are.
// - Disabled text stays readable: grey 96 on the disabled boxes' 239 is 5.5:1 (WCAG 2.1 AA
//   asks 4.5:1; the style's own 190 gave 1.6:1); in a dark theme grey 170 on the theme's
//   dark boxes (6:1 and more on anything darker than grey 64). Set on every control, since a
//   group box's style sheet stops a window's palette from reaching the controls inside it.
inline void UseWindowColours(QWidget* window)
{
    const bool dark = IsDarkPalette(window->palette());
    if (!dark) {
        QPalette panel = window->palette();
        panel.setColor(QPalette::Window, QColor(PanelGrey, PanelGrey, PanelGrey));
        panel.setColor(QPalette::WindowText, Qt::black);
        window->setPalette(panel);
        window->setAutoFillBackground(true);
    }
    const QColor disabledText = dark ? QColor(170, 170, 170) : QColor(96, 96, 96);
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls << window;
    for (QWidget* control : controls) {
        QPalette p = control->palette();
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            p.setColor(QPalette::Disabled, role, disabledText);
        if (!dark)
            p.setColor(QPalette::Disabled, QPalette::Base, QColor(239, 239, 239));
        control->setPalette(p);
    }
}

// The other system's skin drew each window's title bar inside its client area, and the
// windows' pixel positions count it. Here the window manager draws the title bar outside,
// so every position below it moves up by the band the skin took. Dialogs lose this much;
// the main window loses what its title bar took above the menu bar (see TFrmMain).
inline constexpr int DialogTitleBand = 24;

// A group box drawn as the other system draws one: its caption stands in the frame's top
// line, and the frame starts half a line down, so that the controls placed at the group's
// positions lie inside the frame, never on it.
inline void UseClassicGroupBox(QGroupBox* group)
{
    group->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid rgb(160, 160, 160); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
}
