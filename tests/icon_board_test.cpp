// The icon drawn from its text source: sizes, colours, and the two-colour picture.
#include "tools/icon_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <stdexcept>
#include <string>

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

// The scalable picture is the drawn one: every rectangle of the SVG covers pixels of its
// own colour in render(), bordered by the grid.
TEST(IconBoard, TheSvgDrawsWhatRenderDraws) {
    const IconBoard board = IconBoard::fromText(kBoard);
    const int size = 128;
    const auto pixels = board.render(size);
    const std::string svg = board.svg(size);
    EXPECT_NE(svg.find("width=\"128\" height=\"128\" viewBox=\"0 0 128 128\"><rect "
                       "width=\"128\" height=\"128\"/>"),
              std::string::npos);
    const std::regex tile(
        "<rect x=\"(\\d+)\" y=\"(\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\" "
        "fill=\"#([0-9a-f]{6})\"/>");
    int tiles = 0;
    for (std::sregex_iterator match(svg.begin(), svg.end(), tile), end; match != end; ++match) {
        const int x = std::stoi((*match)[1]), y = std::stoi((*match)[2]);
        const int width = std::stoi((*match)[3]), height = std::stoi((*match)[4]);
        const auto at = [&](int px, int py) {
            const Rgb& rgb = kClassicPalette[pixels[static_cast<std::size_t>(py * size + px)]];
            char hex[7];
            std::snprintf(hex, sizeof hex, "%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
            return std::string(hex);
        };
        EXPECT_EQ(at(x, y), (*match)[5].str());
        EXPECT_EQ(at(x + width - 1, y + height - 1), (*match)[5].str());
        EXPECT_EQ(at(x + width, y), "000000") << "no grid right of the tile at " << x;
        EXPECT_EQ(at(x, y + height), "000000") << "no grid below the tile at " << y;
        ++tiles;
    }
    EXPECT_EQ(tiles, 4);
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
