// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/PatternPicture.h"

#include <QPainter>

PatternPicture::PatternPicture(QWidget* parent, int cellPixels) : QWidget(parent), CellPixels(cellPixels)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PatternPicture::Show(const Pattern* pattern, int side)
{
    const bool fits = pattern && pattern->PlaysOn(side) && side > 0;
    Cells = fits ? pattern->Drawn(side) : std::vector<bool>();
    Side = fits ? side : 0;
    setAccessibleName(!fits ? QString() : pattern->AnyWayRound ? tr("Pattern: %1, any way round").arg(pattern->Name)
                                                              : tr("Pattern: %1").arg(pattern->Name));
    setVisible(fits);
    updateGeometry();
    update();
}

QSize PatternPicture::sizeHint() const
{
    const int side = std::max(Side, 5);
    return {side * CellPixels + 1, side * CellPixels + 1};
}

void PatternPicture::paintEvent(QPaintEvent*)
{
    if (Side == 0)
        return;
    QPainter painter(this);
    const int cell = std::max(3, (std::min(width(), height()) - 1) / Side);
    // Covered cells filled in the text's colour, apart by a line of the window's own, so a
    // full card reads as cells in any palette; a cell left out is outlined.
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    for (int r = 0; r < Side; ++r)
        for (int c = 0; c < Side; ++c) {
            const QRect box(c * cell, r * cell, cell, cell);
            if (Cells[static_cast<std::size_t>(r * Side + c)])
                painter.fillRect(box.adjusted(1, 1, 0, 0), ink);
            else
                painter.drawRect(box);
        }
}
