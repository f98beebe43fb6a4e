#pragma once
#include <QAccessibleWidget>
#include <QHash>

class PaintBox;

// The sample card as a screen reader's table: a row for the heading (where the card has
// one) and one per row of cells, each cell an object of its own with the text it shows,
// so that a reader moves cell by cell. The paint box's accessible description stays the
// summary of the whole card. Installed for every PaintBox by a factory.
class SampleCardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit SampleCardAccessible(PaintBox* box);
    ~SampleCardAccessible() override;

    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
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

    // What the card shows at a row and column ("" outside it).
    QString CellText(int row, int column) const;
    QRect CellRect(int row, int column) const;
    PaintBox* Box() const;

private:
    mutable QHash<int, QAccessible::Id> Cells; // row * 64 + column
};
