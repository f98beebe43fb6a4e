// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "platform/ui/Panel.h"
#include "game/CardView.h"
#include "output/QtSurface.h"
#include <QWidget>
#include <functional>

// The sample card's paint box: every repaint, whether the platform's or one the main
// window asks for at once, runs the owner's paint handler on a 96-dpi surface. It takes the
// keyboard focus, so that a screen reader reaches it; its accessible description, kept by
// the owner, reads the card out.
class PaintBox final : public QWidget {
public:
    using PaintHandler = std::function<void(Surface&)>;
    PaintBox(QWidget* parent, PaintHandler onPaint);

    // The card shown, for the screen reader's table of cells.
    void SetCard(const CardView& card) { Shown = card; }
    const CardView& Card() const { return Shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaintHandler OnPaint;
    QtSurface Canvas; // kept between paints, so fonts and metrics are made once
    CardView Shown;
};

