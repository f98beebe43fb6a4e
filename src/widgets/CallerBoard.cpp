// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/CallerBoard.h"
#include "words/PictureEntry.h"
#include "widgets/GridAccessible.h"
#include "widgets/SampleCardAccessible.h"
#include "card/CardArrangement.h"
#include "game/CallerDraw.h"

#include <QAccessible>
#include <QPainter>
#include <QCoreApplication>
#include <cmath>

CallerBoard::CallerBoard(QWidget* parent) : QWidget(parent)
{
    SampleCardAccessible::Install();
    setAccessibleName(QCoreApplication::translate("CallerBoard", "Board"));
    setMinimumHeight(120);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
}

void CallerBoard::Show(const CallerDraw* draw, const QStringList& letters, bool tickets)
{
    Draw = draw;
    Letters = letters;
    Tickets = tickets;
    Shown.clear();
    if (Draw)
        for (int i = 0; i < Draw->Words().size(); ++i)
            if (Draw->Callable(i))
                Shown.push_back(i);
    // Its numbers stay readable whatever else the window holds: rows at least 18 px high
    // (the 90-ball board's nine, 162 px), where a long call or a panel beside it asks for room.
    setMinimumHeight(std::max(120, std::min(Rows(), 9) * 18));
    update();
    AnnounceGridChanged(this);
}

bool CallerBoard::Flashboard() const
{
    return Draw && Shown.size() == 75 && PlanArrangement(Draw->Words()).ColumnRule;
}

bool CallerBoard::TicketBoard() const
{
    return Tickets && Draw && Shown.size() == 90;
}

int CallerBoard::Columns() const
{
    if (Shown.empty())
        return 0;
    if (TicketBoard())
        return 10; // as a hall's board: 1 to 10, 11 to 20, ... 81 to 90
    return Flashboard() ? 16 : std::max(1, static_cast<int>(std::ceil(std::sqrt(Shown.size() * 2.0))));
}

int CallerBoard::Rows() const
{
    const int cols = Columns();
    if (TicketBoard())
        return 9;
    return cols == 0 ? 0 : Flashboard() ? 5 : (static_cast<int>(Shown.size()) + cols - 1) / cols;
}

int CallerBoard::WordAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= Rows() || column >= Columns())
        return -1;
    if (Flashboard() || TicketBoard()) {
        if (Flashboard() && column == 0)
            return -1;
        // The numbers 1 to 75 by column group, or 1 to 90 ten to a row.
        const int number = TicketBoard() ? row * 10 + column + 1 : row * 15 + column;
        for (int i : Shown)
            if (Draw->Words()[i].toInt() == number)
                return i;
        return -1;
    }
    const int k = row * Columns() + column;
    return k < static_cast<int>(Shown.size()) ? Shown[k] : -1;
}

QString CallerBoard::CellText(int row, int column) const
{
    if (Flashboard() && column == 0 && row >= 0 && row < 5)
        return row < Letters.size() ? Letters[row] : QString();
    const int i = WordAt(row, column);
    if (i < 0)
        return {};
    QString word = EntryCaption(Draw->Words()[i]);
    if (Flashboard() && row < Letters.size() && !Letters[row].trimmed().isEmpty())
        word = Letters[row] + u' ' + word;
    return word + (Draw->IsCalled(i) ? QCoreApplication::translate("CallerBoard", ", called") : QCoreApplication::translate("CallerBoard", ", not called"));
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
    const int rows = Rows(), cols = Columns();
    if (rows == 0)
        return;
    const double w = width() / double(cols);
    const double h = height() / double(rows);
    const int largest = static_cast<int>(std::min(h * 0.45, w * 0.3));
    const int latest = Draw->Calls().isEmpty() ? -1 : Draw->Calls().back();
    const bool flashboard = Flashboard();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const bool letter = flashboard && c == 0;
            const int i = WordAt(r, c);
            if (!letter && i < 0)
                continue;
            const QString text = letter ? (r < Letters.size() ? Letters[r] : QString()) : EntryCaption(Draw->Words()[i]);
            const bool called = !letter && Draw->IsCalled(i);
            const bool last = !letter && i == latest;
            const QRectF box(c * w + 1, r * h + 1, w - 2, h - 2);
            const QColor ground = letter ? QColor(90, 60, 120)
                                  : last ? QColor(255, 255, 255)
                                  : called ? QColor(255, 200, 60)
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
        }
}
