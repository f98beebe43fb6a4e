#pragma once
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
