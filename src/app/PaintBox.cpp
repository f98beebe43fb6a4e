#include "app/PaintBox.h"
#include "app/SampleCardAccessible.h"

#include <QPainter>

PaintBox::PaintBox(QWidget* parent, PaintHandler onPaint) : QWidget(parent), OnPaint(std::move(onPaint)), Canvas(96, QColor(PanelGrey, PanelGrey, PanelGrey))
{
    SampleCardAccessible::Install(); // before anything asks for the box's accessible interface
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Sample card"));
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
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
