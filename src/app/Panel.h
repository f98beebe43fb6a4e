#pragma once
#include <QGroupBox>
#include <QWidget>

// Window chrome shared by the main window and the dialogs.

// The grey of the window panels and the sample card (red, green and blue 232).
inline constexpr int PanelGrey = 232;

// Gives a window the panel grey as its background.
inline void UsePanelBackground(QWidget* window)
{
    QPalette panel = window->palette();
    panel.setColor(QPalette::Window, QColor(PanelGrey, PanelGrey, PanelGrey));
    window->setPalette(panel);
    window->setAutoFillBackground(true);
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
