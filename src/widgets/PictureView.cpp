// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/PictureView.h"

#include <QPainter>

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void PictureView::Show(const Picture* picture, const QString& name)
{
    Shown = picture ? *picture : Picture();
    setAccessibleName(name);
    setVisible(picture != nullptr);
    update();
}

void PictureView::paintEvent(QPaintEvent*)
{
    if (Shown.IsNull())
        return;
    const QRect box = FittedPicture(Shown.Nominal(), rect().adjusted(4, 4, -4, -4));
    if (box.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(box, Drawn.Image(Shown, box.size() * devicePixelRatioF()));
}
