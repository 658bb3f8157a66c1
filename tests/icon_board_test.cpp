// The icon drawn from its text source: sizes, colours, and the two-colour picture.
#include "tools/icon_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace tinzel::icon {
namespace {

const char* const kBoard =
    "# a comment line\n"
    "R Y\n"
    "W K\n";

TEST(IconBoard, DrawsEachTileInItsColourWithAGridBetween) {
    const IconBoard board = IconBoard::fromText(kBoard);
    ASSERT_EQ(board.side(), 2);
    const auto pixels = board.render(16);  // two cells of 8 pixels, a one-pixel grid line
    ASSERT_EQ(pixels.size(), 256u);
    const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * 16 + x)]; };
    EXPECT_EQ(at(0, 0), 9);    // red
    EXPECT_EQ(at(8, 0), 11);   // yellow
    EXPECT_EQ(at(0, 8), 15);   // white
    EXPECT_EQ(at(7, 0), 0);    // grid line right of the first tile
    EXPECT_EQ(at(0, 7), 0);    // grid line below it
    EXPECT_EQ(at(15, 15), 0);  // the black tile and the grid merge
}

TEST(IconBoard, UsesOnlyTheSixteenClassicColoursAtEverySize) {
    const IconBoard board = IconBoard::fromText(kBoard);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const auto pixels = board.render(size);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
        EXPECT_LT(*std::max_element(pixels.begin(), pixels.end()), 16) << size;
    }
}

TEST(IconBoard, TheTwoColourPictureKeepsLightTilesWhite) {
    const IconBoard board = IconBoard::fromText("R W\nB Y\n");
    const auto pixels = board.renderMonochrome(32);
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](auto p) { return p <= 1; }));
    EXPECT_EQ(pixels[static_cast<std::size_t>(2 * 32 + 20)], 1);  // white tile
    // the blue tile is hatched: neighbouring pixels differ
    EXPECT_NE(pixels[static_cast<std::size_t>(20 * 32 + 2)],
              pixels[static_cast<std::size_t>(20 * 32 + 3)]);
}

TEST(IconBoard, RejectsMalformedSources) {
    EXPECT_THROW(IconBoard::fromText("R Q\nW K\n"), std::runtime_error);  // unknown letter
    EXPECT_THROW(IconBoard::fromText("R Y\nW\n"), std::runtime_error);    // ragged row
    EXPECT_THROW(IconBoard::fromText("R Y\n"), std::runtime_error);       // not square
    EXPECT_THROW(IconBoard::fromText(kBoard).render(15), std::runtime_error);
}

}  // namespace
}  // namespace tinzel::icon
