// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/PatternGrid.h"
#include "platform/ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <optional>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

class PatternGridAccessible final : public QAccessibleWidget {
public:
    explicit PatternGridAccessible(PatternGrid* grid) : QAccessibleWidget(grid, QAccessible::CheckBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return Grid()->CursorText();
        if (kind == QAccessible::Description)
            return QCoreApplication::translate("PatternEditorDialog", "Arrow keys move over the cells; Space covers a cell or leaves it.");
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.checkable = true;
        st.checked = Grid()->Drawing().Covers(Grid()->Drawing().Row(), Grid()->Drawing().Column());
        return st;
    }

private:
    PatternGrid* Grid() const { return static_cast<PatternGrid*>(widget()); }
};

QAccessibleInterface* GridFactory(const QString& key, QObject* object)
{
    if (key == QLatin1String("PatternGrid"))
        if (auto* grid = qobject_cast<PatternGrid*>(object))
            return new PatternGridAccessible(grid);
    return nullptr;
}

} // namespace

PatternGrid::PatternGrid(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
    setFocusPolicy(Qt::StrongFocus);
    Start(5);
}

void PatternGrid::Start(int side, const std::vector<bool>& cells)
{
    Drawn.Start(side, cells);
    setFixedSize(sizeHint()); // every cell shown, whatever the layout around it would rather
    update();
    if (hasFocus())
        Said(false);
}

QString PatternGrid::CursorText() const
{
    const char* text = Drawn.Covers(Drawn.Row(), Drawn.Column()) ? "Row %1, column %2: covered" : "Row %1, column %2: left out";
    return QCoreApplication::translate("PatternEditorDialog", text).arg(Drawn.Row() + 1).arg(Drawn.Column() + 1);
}

int PatternGrid::CellPixels() const
{
    // Large enough to see and to click at any font: a line and a half of text.
    return std::max(28, fontMetrics().height() * 3 / 2);
}

QSize PatternGrid::sizeHint() const
{
    const int side = Drawn.Side() * CellPixels() + 2;
    return {side, side};
}

QRect PatternGrid::CellRect(int row, int column) const
{
    const int cell = CellPixels();
    return {1 + column * cell, 1 + row * cell, cell, cell};
}

void PatternGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& colours = palette();
    p.fillRect(rect(), colours.base());
    for (int r = 0; r < Drawn.Side(); ++r)
        for (int c = 0; c < Drawn.Side(); ++c) {
            const QRect cell = CellRect(r, c);
            if (Drawn.Covers(r, c))
                p.fillRect(cell.adjusted(2, 2, -2, -2), colours.windowText());
            p.setPen(colours.color(QPalette::Mid));
            p.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    // The cell the keys are on, ringed in the highlight over either fill.
    const QRect at = CellRect(Drawn.Row(), Drawn.Column());
    p.setPen(QPen(colours.color(hasFocus() ? QPalette::Highlight : QPalette::Mid), 3));
    p.drawRect(at.adjusted(1, 1, -2, -2));
}

void PatternGrid::keyPressEvent(QKeyEvent* event)
{
    using Step = PatternDrawing::Step;
    const bool control = event->modifiers() & Qt::ControlModifier;
    std::optional<Step> step;
    switch (event->key()) {
    case Qt::Key_Up: step = Step::Up; break;
    case Qt::Key_Down: step = Step::Down; break;
    case Qt::Key_Left: step = layoutDirection() == Qt::RightToLeft ? Step::Right : Step::Left; break;
    case Qt::Key_Right: step = layoutDirection() == Qt::RightToLeft ? Step::Left : Step::Right; break;
    case Qt::Key_Home: step = control ? Step::First : Step::RowStart; break;
    case Qt::Key_End: step = control ? Step::Last : Step::RowEnd; break;
    case Qt::Key_Space:
        Drawn.Toggle();
        update();
        Said(true);
        Q_EMIT Toggled();
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    if (Drawn.Move(*step)) {
        update();
        Said(false);
    }
}

void PatternGrid::mousePressEvent(QMouseEvent* event)
{
    const int cell = CellPixels();
    const QPoint at = event->position().toPoint() - QPoint(1, 1);
    if (at.x() < 0 || at.y() < 0 || !Drawn.Put(at.y() / cell, at.x() / cell))
        return;
    setFocus(Qt::MouseFocusReason);
    Drawn.Toggle();
    update();
    Said(true);
    Q_EMIT Toggled();
}

void PatternGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        setFixedSize(sizeHint());
    QWidget::changeEvent(event);
}

void PatternGrid::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void PatternGrid::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void PatternGrid::Said(bool toggled)
{
    // Screen readers read a focused check box's new name unevenly: the cell is announced.
    Announcer::Of(this)->Say(CursorText());
    if (!QAccessible::isActive())
        return;
    if (toggled) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent state(this, changed);
        QAccessible::updateAccessibility(&state);
    }
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}
