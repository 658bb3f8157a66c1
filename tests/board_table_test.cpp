// The board as assistive technology reads it: rows and columns from the squares' places,
// names from their colours, and which cells a new round renamed.
#include "ui/board_table.h"

#include <gtest/gtest.h>

#include "game/palette.h"

namespace tinzel {
namespace {

// A board dealt as the game deals one: square 10 × (row - 1) + column, row by row.
FormModel board(int shift) {
    FormModel form;
    for (int index = 1; index <= 100; ++index) {
        form.createElement(ControlArray::Square, index);
        form.setTop(ControlArray::Square, index, 440 * ((index - 1) / 10));
        form.setLeft(ControlArray::Square, index, 495 * ((index - 1) % 10));
        form.setVisible(ControlArray::Square, index, true);
        form.setBackColor(ControlArray::Square, index,
                          Palette[static_cast<std::size_t>((index + shift) % 11)]);
    }
    return form;
}

TEST(BoardTable, SetsOutTheShownSquaresInRowsAndColumnsNamedByColour) {
    const FormModel form = board(0);
    const BoardTable table(&form);
    ASSERT_EQ(table.rows(), 10);
    ASSERT_EQ(table.columns(), 10);
    EXPECT_EQ(table.squareAt({0, 0}), 1);
    EXPECT_EQ(table.squareAt({2, 4}), 25);
    EXPECT_EQ(table.name({2, 4}), "Pink");  // Palette[25 % 11]
    EXPECT_EQ(table.name({9, 9}), "Grey");  // Palette[100 % 11]
    // The hidden template square sits where square 9 is, and is no cell.
    EXPECT_EQ(table.squareAt({0, 8}), 9);
    ASSERT_TRUE(table.cellOf(25).has_value());
    EXPECT_EQ(table.cellOf(25)->column, 4);
    EXPECT_FALSE(table.cellOf(0).has_value());
    EXPECT_FALSE(table.contains({10, 0}));
    EXPECT_EQ(table.squareAt({10, 0}), -1);
}

// A square's cell is its place in whole squares, wherever it was made.
TEST(BoardTable, ASquareMovedAnywhereSitsInTheCellOfItsPlace) {
    FormModel form;
    form.createElement(ControlArray::Square, 150);  // past the room a load makes
    form.setLeft(ControlArray::Square, 150, 990);
    form.setTop(ControlArray::Square, 150, 880);
    form.setVisible(ControlArray::Square, 150, true);
    const BoardTable table(&form);
    ASSERT_TRUE(table.cellOf(150).has_value());
    EXPECT_EQ(table.cellOf(150)->row, 2);
    EXPECT_EQ(table.cellOf(150)->column, 2);
    EXPECT_EQ(cellPlace(*table.cellOf(150)), "Row 3, column 3");
}

TEST(BoardTable, WithoutAModelThereIsNoCell) {
    const BoardTable table;
    EXPECT_EQ(table.rows(), 0);
    EXPECT_FALSE(table.contains({0, 0}));
    EXPECT_EQ(table.name({0, 0}), "");
    EXPECT_FALSE(table.cellOf(1).has_value());
}

TEST(BoardTable, ANewRoundRenamesTheCellsWhoseSquaresChangedColour) {
    const FormModel before = board(0);
    FormModel after = board(0);
    after.setBackColor(ControlArray::Square, 12, Palette[0]);
    after.setBackColor(ControlArray::Square, 100, Palette[5]);
    const BoardTable table(&after);
    const std::vector<TableCell> renamed = table.renamed(changesBetween(&before, after));
    ASSERT_EQ(renamed.size(), 2U);
    EXPECT_EQ(renamed[0].row, 1);
    EXPECT_EQ(renamed[0].column, 1);
    EXPECT_EQ(renamed[1].row, 9);
    EXPECT_EQ(table.renamed(changesBetween(nullptr, after)).size(), 100U);
    EXPECT_EQ(cellPlace(renamed[0]), "Row 2, column 2");
}

}  // namespace
}  // namespace tinzel
