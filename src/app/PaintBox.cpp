#include "app/PaintBox.h"

#include <QPainter>

PaintBox::PaintBox(QWidget* parent, PaintHandler onPaint) : QWidget(parent), OnPaint(std::move(onPaint)), Canvas(96, QColor(PanelGrey, PanelGrey, PanelGrey))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Canvas.Attach(&painter);
    OnPaint(Canvas);
    Canvas.Attach(nullptr);
}
