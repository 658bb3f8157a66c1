// Setting the shown squares out as the board's table, and naming its cells.
#include "ui/board_table.h"

#include <algorithm>

#include "game/number_functions.h"
#include "ui/color_name.h"

namespace tinzel {

namespace {

bool shown(const FormModel& model, int index) {
    return model.exists(ControlArray::Square, index) &&
           model.element(ControlArray::Square, index).visible;
}

// A shown square's cell, from its place on the board: squares touch edge to edge from the
// client area's corner, so its top and left in whole square heights and widths are its row
// and column.
TableCell cellFrom(const FormModel& model, int index) {
    const design::TwipsRect& rect = model.element(ControlArray::Square, index).rect;
    return {rect.top / rect.height, rect.left / rect.width};
}

}  // namespace

BoardTable::BoardTable(const FormModel* model) : model_(model) {
    if (model_ == nullptr) {
        return;
    }
    const int last = model_->lastIndex(ControlArray::Square);
    for (int index = 0; index <= last; ++index) {
        if (shown(*model_, index)) {
            const TableCell cell = cellFrom(*model_, index);
            rows_ = std::max(rows_, cell.row + 1);
            columns_ = std::max(columns_, cell.column + 1);
        }
    }
    squares_.assign(static_cast<std::size_t>(rows_ * columns_), -1);
    for (int index = 0; index <= last; ++index) {
        if (shown(*model_, index)) {
            const TableCell cell = cellFrom(*model_, index);
            if (cell.row >= 0 && cell.column >= 0) {
                squares_[static_cast<std::size_t>(cell.row * columns_ + cell.column)] = index;
            }
        }
    }
}

int BoardTable::squareAt(TableCell cell) const {
    return contains(cell) ? squares_[static_cast<std::size_t>(cell.row * columns_ + cell.column)]
                          : -1;
}

std::string BoardTable::name(TableCell cell) const {
    const int square = squareAt(cell);
    return square < 0 ? std::string()
                      : colorName(model_->element(ControlArray::Square, square).backColor);
}

std::optional<TableCell> BoardTable::cellOf(int index) const {
    if (model_ == nullptr || !shown(*model_, index)) {
        return std::nullopt;
    }
    const TableCell cell = cellFrom(*model_, index);
    return squareAt(cell) == index ? std::optional<TableCell>(cell) : std::nullopt;
}

std::vector<TableCell> BoardTable::renamed(const FormChanges& changes) const {
    std::vector<TableCell> cells;
    for (const ChangedElement& changed : changes.squares) {
        if ((changed.changes & (kAppeared | kRecoloured)) != 0) {
            if (const std::optional<TableCell> cell = cellOf(changed.index)) {
                cells.push_back(*cell);
            }
        }
    }
    return cells;
}

std::string cellPlace(TableCell cell) {
    return "Row " + decimal(cell.row + 1) + ", column " + decimal(cell.column + 1);
}

}  // namespace tinzel
