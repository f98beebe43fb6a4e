// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Plumwick developers
#include "app/CallerBoard.h"
#include "card/CardArrangement.h"
#include "game/CallerDraw.h"

#include <QPainter>
#include <cmath>

CallerBoard::CallerBoard(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(120);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
}

void CallerBoard::Show(const CallerDraw* draw, const QStringList& letters)
{
    Draw = draw;
    Letters = letters;
    update();
}

namespace {

// The largest font, up to `largest` pixels, at which the text fits the box whole, wrapped
// at spaces; never smaller than 6 pixels.
QFont FittedFont(QFont font, const QString& text, const QRectF& box, int largest)
{
    const QRect inner = box.toAlignedRect().adjusted(3, 2, -3, -2);
    for (int px = std::max(6, largest); px > 6; --px) {
        font.setPixelSize(px);
        const QRect need = QFontMetrics(font).boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (need.width() <= inner.width() && need.height() <= inner.height())
            return font;
    }
    font.setPixelSize(6);
    return font;
}

} // namespace

void CallerBoard::paintEvent(QPaintEvent*)
{
    // The board's own colours, in pairs that contrast whatever the desktop's theme.
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 44, 52));
    if (!Draw || Draw->Total() == 0)
        return;
    const QStringList& words = Draw->Words();
    std::vector<int> shown;
    for (int i = 0; i < words.size(); ++i)
        if (Draw->Callable(i))
            shown.push_back(i);
    const int n = static_cast<int>(shown.size());
    const bool flashboard = n == 75 && PlanArrangement(words).ColumnRule;
    const int cols = flashboard ? 16 : std::max(1, static_cast<int>(std::ceil(std::sqrt(n * 2.0))));
    const int rows = flashboard ? 5 : (n + cols - 1) / cols;
    const double w = width() / double(cols);
    const double h = height() / double(rows);
    const int largest = static_cast<int>(std::min(h * 0.45, w * 0.3));
    const int latest = Draw->Calls().isEmpty() ? -1 : Draw->Calls().back();
    auto cell = [&](int r, int c, const QString& text, bool called, bool letter, bool last) {
        const QRectF box(c * w + 1, r * h + 1, w - 2, h - 2);
        const QColor ground = letter ? QColor(90, 60, 120) : last ? QColor(255, 255, 255) : called ? QColor(255, 200, 60)
                                                                                                   : QColor(64, 70, 82);
        p.fillRect(box, ground);
        if (last) {
            p.setPen(QPen(QColor(255, 200, 60), std::max(2.0, std::min(w, h) / 12)));
            p.drawRect(box.adjusted(2, 2, -2, -2));
        }
        p.setPen(letter ? Qt::white : called || last ? Qt::black : QColor(220, 220, 220));
        QFont font = FittedFont(p.font(), text, box, largest);
        font.setBold(last || letter);
        p.setFont(font);
        p.drawText(box.adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap, text);
    };
    if (flashboard) {
        for (int g = 0; g < 5; ++g)
            cell(g, 0, g < Letters.size() ? Letters[g] : QString(), false, true, false);
        for (int i : shown) {
            const int number = words[i].toInt();
            cell((number - 1) / 15, (number - 1) % 15 + 1, words[i], Draw->IsCalled(i), false, i == latest);
        }
        return;
    }
    for (int k = 0; k < n; ++k)
        cell(k / cols, k % cols, words[shown[k]], Draw->IsCalled(shown[k]), false, shown[k] == latest);
}
