// The board as Qt's accessibility interfaces tell it, over AT-SPI to a screen reader: one
// table of the board's rows and columns whose cells are the shown squares, each named by its
// colour, read-only. A cell's name changes with its square's colour, and each renamed cell is
// announced.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

#include "ui/qt/board.h"

namespace tinzel::qt {

class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit BoardAccessible(Board* board);
    ~BoardAccessible() override;
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The table: only cells, no headers, nothing to select.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    Board* board() const;
    // Each cell told of the renaming of its square, if a screen reader has come to know it.
    void announce(const std::vector<TableCell>& renamed) const;

    QMetaObject::Connection renamings_;
    // The cells made so far, by row and column: a cell a screen reader has come to know lives
    // as long as the board does, whatever the rounds make of its square.
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

}  // namespace tinzel::qt
