// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/FocusRingStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

FocusRingStyle::FocusRingStyle(QStyle* base) : QProxyStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")))
{
}

FocusRingStyle* FocusRingStyle::ForDesktop()
{
    return new FocusRingStyle(QStyleFactory::create(QApplication::style()->name()));
}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool ring = element == PE_FrameFocusRect ||
                      ((element == PE_FrameLineEdit || element == PE_PanelLineEdit) && (option->state & State_HasFocus));
    if (ring)
        DrawRing(painter, option->rect, option->palette);
}

void FocusRingStyle::DrawRing(QPainter* painter, const QRect& rect, const QPalette& palette)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(palette.color(QPalette::Highlight), RingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(rect).adjusted(RingWidth / 2.0, RingWidth / 2.0, -RingWidth / 2.0, -RingWidth / 2.0));
    painter->restore();
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButtonBevel && (option->state & State_HasFocus))
        DrawRing(painter, option->rect, option->palette);
}

void FocusRingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                        const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const bool editable = control == CC_ComboBox && static_cast<const QStyleOptionComboBox*>(option)->editable;
    // An editable box's line draws its own ring.
    if ((control == CC_ComboBox && !editable) && (option->state & State_HasFocus))
        DrawRing(painter, option->rect, option->palette);
}
