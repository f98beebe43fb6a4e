// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/Picture.h"

#include <QWidget>

// A picture drawn as large as the widget allows, its proportions kept, centred, never past
// twice its own size; an SVG drawn afresh at the size shown. A picture call in the caller.
class PictureView final : public QWidget {
public:
    explicit PictureView(QWidget* parent);
    // The picture shown (none: nothing), and what a screen reader says of it.
    void Show(const Picture* picture, const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture Shown;
    PictureAtSize Drawn;
};
