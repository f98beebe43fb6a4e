// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void DrawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 15);
    page.lineTo(3, 15);
    page.closeSubpath();
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void DrawFolder(QPainter& p)
{
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 4, 13, 10);
    p.drawRect(1, 2, 5, 2);
    p.setBrush(QColor(250, 220, 120));
    QPolygon flap({QPoint(3, 7), QPoint(15, 7), QPoint(13, 14), QPoint(1, 14)});
    p.drawPolygon(flap);
}

void DrawDisk(QPainter& p)
{
    p.setPen(QPen(QColor(30, 50, 110), 1));
    p.setBrush(QColor(60, 90, 170));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(4, 9, 7, 5);
}

void DrawPrinter(QPainter& p)
{
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(1, 6, 13, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 5);
    p.setPen(QColor(40, 160, 40));
    p.drawPoint(12, 8);
}

} // namespace

QIcon MakeToolIcon(ToolIcon which)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    switch (which) {
    case ToolIcon::New: DrawPage(p); break;
    case ToolIcon::Open: DrawFolder(p); break;
    case ToolIcon::Save: DrawDisk(p); break;
    case ToolIcon::Print: DrawPrinter(p); break;
    }
    return QIcon(pixmap);
}

QPixmap MakeProgramPicture(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side / 48.0;
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 60, 140)); // plum
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 6, 6);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 13, 34, 29));
    p.setPen(QPen(QColor(120, 60, 140), 1.2));
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(7 + i * 34.0 / 3, 13), QPointF(7 + i * 34.0 / 3, 42));
        p.drawLine(QPointF(7, 13 + i * 29.0 / 3), QPointF(41, 13 + i * 29.0 / 3));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 160, 40));
    p.drawEllipse(QPointF(24, 27.5), 4, 4);
    p.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(2, 2, 44, 11), Qt::AlignCenter, QStringLiteral("BINGO"));
    return pixmap;
}
