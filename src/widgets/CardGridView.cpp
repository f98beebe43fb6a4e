// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/CardGridView.h"
#include "words/PictureEntry.h"
#include "widgets/GridAccessible.h"
#include "widgets/SampleCardAccessible.h"

#include <QAccessible>
#include <algorithm>

#include <QPainter>

CardGridView::CardGridView(QWidget* parent) : QWidget(parent)
{
    SampleCardAccessible::Install();
    setAccessibleName(tr("Checked card"));
    setMinimumSize(240, 240);
}

void CardGridView::Show(const CardView& card, const std::vector<bool>& marked, const std::vector<int>& winning)
{
    Card = card;
    Marked = marked;
    Winning = winning;
    HasCard = true;
    update();
    AnnounceGridChanged(this);
}

void CardGridView::Clear()
{
    HasCard = false;
    update();
    AnnounceGridChanged(this);
}

int CardGridView::Rows() const
{
    return HasCard ? Card.Side + (Card.Heading.isEmpty() ? 0 : 1) : 0;
}

int CardGridView::Columns() const
{
    return HasCard ? Card.Side : 0;
}

QString CardGridView::CellText(int row, int column) const
{
    if (!HasCard)
        return {};
    int i = -1;
    QString text = Card.ReadAt(row, column, &i);
    if (i < 0)
        return text;
    text += i < static_cast<int>(Marked.size()) && Marked[i] ? tr(", called") : tr(", not called");
    if (std::find(Winning.begin(), Winning.end(), i) != Winning.end())
        text += tr(", in the winning line");
    return text;
}

void CardGridView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!HasCard)
        return;
    const int side = Card.Side;
    const int rows = side + (Card.Heading.isEmpty() ? 0 : 1);
    const int cell = std::min((width() - 1) / side, (height() - 1) / rows);
    const int left = (width() - cell * side) / 2;
    const int top = (height() - cell * rows) / 2;
    QFont font = p.font();
    auto fitted = [&](const QString& text, const QRect& box, bool bold) {
        font.setBold(bold);
        for (int px = std::max(8, box.height() / 3); px >= 6; --px) {
            font.setPixelSize(px);
            const QRect need = QFontMetrics(font).boundingRect(box.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
            if (need.width() <= box.width() - 8 && need.height() <= box.height() - 8)
                break;
        }
        p.setFont(font);
        p.drawText(box.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
    };
    int y = top;
    p.setPen(Qt::black); // on the card's white in every theme, the heading too
    if (!Card.Heading.isEmpty()) {
        for (int c = 0; c < side && c < Card.Heading.size(); ++c)
            fitted(Card.Heading[c], QRect(left + c * cell, y, cell, cell), true);
        y += cell;
    }
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            const int i = r * side + c;
            const QRect box(left + c * cell, y + r * cell, cell, cell);
            if (i < static_cast<int>(Marked.size()) && Marked[i]) {
                p.setBrush(MarkColour());
                p.setPen(Qt::NoPen);
                p.drawEllipse(box.adjusted(cell / 10, cell / 10, -cell / 10, -cell / 10));
            }
            p.setPen(Qt::black);
            p.setBrush(Qt::NoBrush);
            const std::optional<PictureEntry> picture = AsPicture(Card.Texts[i]);
            if (const Picture* shown = picture && Pictures ? Pictures->Find(picture->Path) : nullptr) {
                // The picture in the cell's upper part, its caption below.
                const QRect art = FittedPicture(shown->Nominal(), box.adjusted(cell / 8, cell / 8, -cell / 8, -cell * 3 / 8));
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(art, Drawn[shown->Key].Image(*shown, art.size() * devicePixelRatioF()));
                fitted(EntryCaption(Card.Texts[i]), box.adjusted(0, cell * 5 / 8, 0, 0), false);
                continue;
            }
            fitted(EntryCaption(Card.Texts[i]), box, false);
        }
    p.setPen(Qt::black);
    for (int i = 0; i <= rows; ++i)
        p.drawLine(left, top + i * cell, left + side * cell, top + i * cell);
    for (int j = 0; j <= side; ++j)
        p.drawLine(left + j * cell, top, left + j * cell, top + rows * cell);

    // The winning pattern: each cell outlined, and a line (row, column, diagonal) struck
    // through from its first cell to its last, seen through, so the numbers it won with
    // still read on a small card.
    if (Winning.empty())
        return;
    const QColor win(0, 110, 0);
    const int cardTop = y;
    auto centre = [&](int i) { return QPoint(left + (i % side) * cell + cell / 2, cardTop + (i / side) * cell + cell / 2); };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(win, std::max(3, cell / 16)));
    for (int i : Winning)
        p.drawRect(QRect(left + (i % side) * cell, cardTop + (i / side) * cell, cell, cell).adjusted(2, 2, -2, -2));
    if (static_cast<int>(Winning.size()) == side) {
        QColor through = win;
        through.setAlpha(96);
        p.setPen(QPen(through, std::max(4, cell / 10), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre(Winning.front()), centre(Winning.back()));
    }
}
