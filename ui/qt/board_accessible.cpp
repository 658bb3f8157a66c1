// The board's table and its cells as Qt accessibility interfaces.
#include "ui/qt/board_accessible.h"

#include <QWindow>

#include "ui/qt/conversions.h"

namespace tinzel::qt {

namespace {

// One square of the board as a table cell. It holds no state of the square's own: its name
// and place are read from the board whenever asked, so it is never out of date, and it says
// nothing where no square is shown (between rounds, or under the end message).
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    CellAccessible(Board* board, TableCell cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (board_.isNull()) {
            return {};
        }
        switch (t) {
            case QAccessible::Name:
                return toQString(board_->table().name(cell_));
            case QAccessible::Description:
                return toQString(cellPlace(cell_));
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const int square = board_ ? board_->table().squareAt(cell_) : -1;
        if (square < 0) {
            return {};
        }
        const QRect area = board_->squareGeometry(square);
        return QRect(board_->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = board_.isNull() || board_->table().squareAt(cell_) < 0;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.column; }
    int rowIndex() const override { return cell_.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }

  private:
    QPointer<Board> board_;
    TableCell cell_;
};

}  // namespace

BoardAccessible::BoardAccessible(Board* board) : QAccessibleWidget(board, QAccessible::Table) {
    renamings_ = QObject::connect(board, &Board::cellsRenamed, board,
                                  [this](const std::vector<TableCell>& cells) { announce(cells); });
}

BoardAccessible::~BoardAccessible() {
    QObject::disconnect(renamings_);
    for (const auto& [place, id] : cells_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

Board* BoardAccessible::board() const {
    return static_cast<Board*>(widget());
}

QString BoardAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? toQString(kBoardName) : QString();
}

// Around the shown cells, in screen pixels.
QRect BoardAccessible::rect() const {
    QRect around;
    const BoardTable& table = board()->table();
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            if (const int square = table.squareAt({row, column}); square >= 0) {
                around |= board()->squareGeometry(square);
            }
        }
    }
    return around.isNull() ? QRect() : QRect(board()->mapToGlobal(around.topLeft()), around.size());
}

int BoardAccessible::rowCount() const {
    return board()->table().rows();
}

int BoardAccessible::columnCount() const {
    return board()->table().columns();
}

// Never null for a cell inside the table: AT-SPI's adaptor takes every cell there for granted.
QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
    if (!board()->table().contains({row, column})) {
        return nullptr;
    }
    auto found = cells_.find({row, column});
    if (found == cells_.end()) {
        auto* cell = new CellAccessible(board(), {row, column});
        found =
            cells_.emplace(std::pair(row, column), QAccessible::registerAccessibleInterface(cell))
                .first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int BoardAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    const int columns = columnCount();
    return index >= 0 && index < childCount() ? cellAt(index / columns, index % columns) : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr || !board()->table().contains({cell->rowIndex(), cell->columnIndex()})) {
        return -1;
    }
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const QPoint point = board()->mapFromGlobal(QPoint(x, y));
    const BoardTable& table = board()->table();
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const int square = table.squareAt({row, column});
            if (square >= 0 && board()->squareGeometry(square).contains(point)) {
                return cellAt(row, column);
            }
        }
    }
    return nullptr;
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void BoardAccessible::announce(const std::vector<TableCell>& renamed) const {
    for (const TableCell& cell : renamed) {
        if (const auto found = cells_.find({cell.row, cell.column}); found != cells_.end()) {
            QAccessibleEvent event(QAccessible::accessibleInterface(found->second),
                                   QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

}  // namespace tinzel::qt
