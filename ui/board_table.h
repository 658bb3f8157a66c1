// The board as assistive technology reads it, the same in every window: one table whose cells
// are the shown squares, set out in rows and columns by their places on the board and named by
// their colours, with the colour buttons' names (ui/color_name.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form_changes.h"
#include "ui/form_model.h"

namespace tinzel {

// What the table is called.
inline constexpr std::string_view kBoardName = "Board";

// A cell of the table, counted from 0.
struct TableCell {
    int row;
    int column;
};

class BoardTable {
  public:
    // The board of `model`; an empty table (no rows) while the window has no model.
    explicit BoardTable(const FormModel* model = nullptr);

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    bool contains(TableCell cell) const {
        return cell.row >= 0 && cell.row < rows_ && cell.column >= 0 && cell.column < columns_;
    }
    // The square shown in `cell`, or -1 where there is none.
    int squareAt(TableCell cell) const;
    // What a cell is called: its square's colour, or nothing where no square is shown.
    std::string name(TableCell cell) const;
    // Where square `index` is shown, if it is.
    std::optional<TableCell> cellOf(int index) const;

    // The cells whose names a render changed: where squares appeared or changed colour.
    std::vector<TableCell> renamed(const FormChanges& changes) const;

  private:
    const FormModel* model_;
    int rows_ = 0;
    int columns_ = 0;
    std::vector<int> squares_;  // row by row
};

// How a cell's place reads to a player: "Row 1, column 1" for the top-left one.
std::string cellPlace(TableCell cell);

}  // namespace tinzel
