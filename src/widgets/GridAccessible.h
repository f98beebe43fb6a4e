// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QAccessibleWidget>
#include <QHash>
#include <QCoreApplication>

// A widget that paints a grid (a card, the caller's board) as a screen reader's table: each
// cell an object of its own with the text a reader says for it, so that it moves cell by
// cell. What the grid holds comes from the subclass; the widget's own accessible
// description stays its summary.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(QWidget* widget);
    ~GridAccessible() override;

    // What a subclass tells of its grid.
    virtual QString CellText(int row, int column) const = 0;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}
    QString columnDescription(int column) const override { return QCoreApplication::translate("GridAccessible", "Column %1").arg(column + 1); }
    QString rowDescription(int row) const override { return QCoreApplication::translate("GridAccessible", "Row %1").arg(row + 1); }

    QRect CellRect(int row, int column) const;

private:
    mutable QHash<int, QAccessible::Id> Cells; // row * 1024 + column
};

// Tells a screen reader that a painted grid holds other cells now (another card, a call).
void AnnounceGridChanged(QWidget* grid);
