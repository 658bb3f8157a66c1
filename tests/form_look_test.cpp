// The one look every window draws: the shapes as the rectangles that fill them.
#include "ui/form_look.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "game/palette.h"

namespace tinzel {
namespace {

// Every pixel the rectangles fill.
std::set<std::pair<int, int>> filled(const std::vector<PixelRect>& rects) {
    std::set<std::pair<int, int>> pixels;
    for (const PixelRect& rect : rects) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

TEST(Look, AFrameFillsExactlyTheBandInsideTheEdge) {
    const auto band = filled(look::frame(10, 6, 2));
    EXPECT_EQ(band.size(), 10U * 6U - 6U * 2U);  // all but the 6 × 2 inside
    EXPECT_EQ(band.count({2, 2}), 0U);
    EXPECT_EQ(band.count({9, 5}), 1U);
    EXPECT_EQ(filled(look::frame(3, 3, 2)).size(), 8U) << "no wider than half the area";
}

// The ring of a button at 96 DPI (73 × 27 pixels): dashes two long and two apart, two thick,
// on the rectangle four pixels inside the edge, touching nothing else.
TEST(Look, TheFocusRingIsDashesFourPixelsInsideTheEdge) {
    const auto ring = filled(look::focusRing(73, 27));
    for (const auto& [x, y] : ring) {
        const bool onSide = x < 6 || x >= 67;
        const bool onEnd = y < 6 || y >= 21;
        EXPECT_TRUE(x >= 4 && x < 69 && y >= 4 && y < 23 && (onSide || onEnd)) << x << "," << y;
    }
    // Along the top: on, on, off, off, from the ring's corner.
    EXPECT_EQ(ring.count({4, 4}) + ring.count({5, 5}), 2U);
    EXPECT_EQ(ring.count({6, 4}) + ring.count({7, 4}), 0U);
    EXPECT_EQ(ring.count({8, 4}), 1U);
    // Down the left side the same, after the corner's dash.
    EXPECT_EQ(ring.count({4, 6}) + ring.count({4, 7}), 0U);
    EXPECT_EQ(ring.count({4, 8}) + ring.count({5, 9}), 2U);
    EXPECT_GT(ring.size(), 150U);
    EXPECT_TRUE(look::focusRing(8, 8).empty()) << "no room for a ring";
}

// OCR-A's advance at 16 pixels is 11.44: the characters stand at the nearest whole pixels to
// that pitch, where a toolkit might round each advance (11 or 12) and drift.
TEST(Look, AScoresCharactersStandAtTheNearestPixelsToTheFacesPitch) {
    EXPECT_EQ(look::scorePlaces(7, 11.44), (std::vector<int>{0, 11, 23, 34, 46, 57, 69}));
    EXPECT_DOUBLE_EQ(look::scoreWidth(7, 10.0), 75.0);
}

TEST(Look, TheRingIsBlackOnLightFillsAndWhiteOnDarkOnes) {
    EXPECT_EQ(look::ringColor(Palette[0]), packColor(255, 255, 255));  // black
    EXPECT_EQ(look::ringColor(Palette[9]), packColor(255, 255, 255));  // blue
    EXPECT_EQ(look::ringColor(Palette[2]), packColor(0, 0, 0));        // white
    EXPECT_EQ(look::ringColor(Palette[6]), packColor(0, 0, 0));        // yellow
}

}  // namespace
}  // namespace tinzel
