#include "app/FocusRingStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

FocusRingStyle::FocusRingStyle(QStyle* base) : QProxyStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool ring = element == PE_FrameFocusRect ||
                      ((element == PE_FrameLineEdit || element == PE_PanelLineEdit) && (option->state & State_HasFocus));
    if (!ring)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(option->palette.color(QPalette::Highlight), RingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(RingWidth / 2.0, RingWidth / 2.0, -RingWidth / 2.0, -RingWidth / 2.0));
    painter->restore();
}
