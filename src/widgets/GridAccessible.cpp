// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "widgets/GridAccessible.h"

#include <QWidget>

namespace {

class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(GridAccessible* table, int row, int column) : Table(table), Row(row), Column(column) {}

    bool isValid() const override { return Row < Table->rowCount() && Column < Table->columnCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Table->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return Table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? Table->CellText(Row, Column) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return Table->CellRect(Row, Column); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Column; }
    int rowIndex() const override { return Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Table; }

private:
    GridAccessible* Table;
    int Row;
    int Column;
};

} // namespace

GridAccessible::GridAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}

GridAccessible::~GridAccessible()
{
    for (QAccessible::Id id : std::as_const(Cells))
        QAccessible::deleteAccessibleInterface(id);
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QRect GridAccessible::CellRect(int row, int column) const
{
    const QRect box = rect();
    const int rows = std::max(1, rowCount());
    const int cols = std::max(1, columnCount());
    const int w = box.width() / cols, h = box.height() / rows;
    return QRect(box.left() + column * w, box.top() + row * h, w, h);
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    const int key = row * 1024 + column;
    auto it = Cells.constFind(key);
    if (it == Cells.cend())
        it = Cells.insert(key, QAccessible::registerAccessibleInterface(
                                   new CellAccessible(const_cast<GridAccessible*>(this), row, column)));
    return QAccessible::accessibleInterface(*it);
}

int GridAccessible::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* GridAccessible::child(int index) const
{
    const int cols = columnCount();
    return cols > 0 ? cellAt(index / cols, index % cols) : nullptr;
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface())
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    return -1;
}

void AnnounceGridChanged(QWidget* grid)
{
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(grid, QAccessible::TableModelChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
