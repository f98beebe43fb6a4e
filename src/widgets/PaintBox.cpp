// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/PaintBox.h"
#include "widgets/SampleCardAccessible.h"

#include <QPainter>
#include <QCoreApplication>
#include <cmath>

PaintBox::PaintBox(QWidget* parent, PaintHandler onPaint) : QWidget(parent), OnPaint(std::move(onPaint)), Canvas(96, QColor(PanelGrey, PanelGrey, PanelGrey))
{
    SampleCardAccessible::Install(); // before anything asks for the box's accessible interface
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QCoreApplication::translate("PaintBox", "Sample card"));
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // On a screen scaled by a fraction (1.5), a one-pixel line at a whole logical position
    // falls between device pixels and the card's top and left edges vanish: half a device
    // pixel down and right puts every line on a pixel. Whole scales draw as they are.
    const qreal scale = devicePixelRatioF();
    if (scale != std::floor(scale))
        painter.translate(0.5 / scale, 0.5 / scale);
    Canvas.Attach(&painter);
    OnPaint(Canvas);
    Canvas.Attach(nullptr);
    // Reached with Tab, the card shows it has the focus: a 2-pixel dotted ring inside.
    if (hasFocus()) {
        QPen ring(palette().color(QPalette::Highlight), 2, Qt::DotLine);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
