// The game's small helpers: number text, rounding, colours, checked counts, the generator.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "game/color_counts.h"
#include "game/game_error.h"
#include "game/number_functions.h"
#include "game/palette.h"
#include "game/random_source.h"

namespace tinzel {
namespace {

TEST(NumberText, PutsABlankWhereTheSignOfANegativeNumberWouldBe) {
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(7), " 7");
    EXPECT_EQ(numberText(32768), " 32768");
    EXPECT_EQ(numberText(-5), "-5");
    EXPECT_EQ(numberText(1234567), " 1234567");  // no grouping
}

TEST(RoundDown, GoesTowardsMinusInfinity) {
    EXPECT_EQ(roundDown(0.0f), 0.0f);
    EXPECT_EQ(roundDown(10.999999f), 10.0f);
    EXPECT_EQ(roundDown(3.0f), 3.0f);
    EXPECT_EQ(roundDown(-0.5f), -1.0f);
}

TEST(Palette, PacksRedLowestAndBlueHighest) {
    EXPECT_EQ(packColor(192, 192, 192), 0x00C0C0C0u);
    EXPECT_EQ(packColor(255, 165, 64), 255u + 256u * 165u + 65536u * 64u);
    EXPECT_EQ(redOf(Palette[5]), 255);
    EXPECT_EQ(greenOf(Palette[5]), 165);
    EXPECT_EQ(blueOf(Palette[5]), 64);
}

TEST(Palette, HoldsElevenDistinctColoursStartingWithBlack) {
    EXPECT_EQ(Palette[0], 0u);
    EXPECT_EQ(Palette[2], packColor(255, 255, 255));
    EXPECT_EQ(Palette[10], packColor(255, 64, 255));
    EXPECT_EQ(std::set<ColorValue>(Palette.begin(), Palette.end()).size(), kColorCount);
    EXPECT_EQ(PaletteNames[0], "Black");
    EXPECT_EQ(PaletteNames[10], "Magenta");
}

TEST(ColorCounts, RejectsEveryIndexOutsideTheElevenColours) {
    ColorCounts counts;
    counts[0] = 3;
    counts[10] = 4;
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(counts[10], 4);
    EXPECT_THROW(counts[-1], GameError);
    EXPECT_THROW(counts[11], GameError);
    counts.clear();
    EXPECT_EQ(counts[10], 0);
}

TEST(ColorCounts, ChecksAColourDrawBeforeConvertingIt) {
    EXPECT_EQ(ColorCounts::checkedIndex(0.0f), 0);
    EXPECT_EQ(ColorCounts::checkedIndex(10.0f), 10);
    EXPECT_THROW(ColorCounts::checkedIndex(11.0f), GameError);
    EXPECT_THROW(ColorCounts::checkedIndex(-1.0f), GameError);
    EXPECT_THROW(ColorCounts::checkedIndex(1e30f), GameError);
    EXPECT_THROW(ColorCounts::checkedIndex(std::numeric_limits<float>::quiet_NaN()), GameError);
    try {
        ColorCounts::checkedIndex(11.0f);
    } catch (const GameError& error) {
        EXPECT_EQ(error.kind(), GameError::Kind::SubscriptOutOfRange);
    }
}

TEST(RandomSource, DrawsLieInTheUnitIntervalAtTwentyFourBitResolution) {
    RandomSource source(42);
    float smallest = 1.0f;
    float largest = 0.0f;
    for (int i = 0; i < 100000; ++i) {
        const float draw = source.draw();
        ASSERT_GE(draw, 0.0f);
        ASSERT_LT(draw, 1.0f);
        const float scaled = draw * 16777216.0f;
        ASSERT_EQ(scaled, std::floor(scaled)) << draw << " is finer than 2^-24";
        smallest = std::min(smallest, draw);
        largest = std::max(largest, draw);
    }
    EXPECT_LT(smallest, 0.001f);
    EXPECT_GT(largest, 0.999f);
}

// The largest value the generator can return must still pick colour 10, never an 11th.
TEST(RandomSource, LargestPossibleDrawPicksTheLastColour) {
    const float largest = 16777215.0f / 16777216.0f;
    EXPECT_LT(largest, 1.0f);
    EXPECT_EQ(roundDown(largest * 11.0f), 10.0f);
}

// Two round starts within one clock tick must not deal the same board again.
TEST(RandomSource, ReseedingWithTheSameClockReadingStillMovesOn) {
    RandomSource source(7);
    source.seed(123456789);
    const float first = source.draw();
    const float second = source.draw();
    source.seed(123456789);
    EXPECT_FALSE(source.draw() == first && source.draw() == second);
}

TEST(RandomSource, TheSameSeedReplaysTheSameDraws) {
    RandomSource a(99);
    RandomSource b(99);
    a.seed(5);
    b.seed(5);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(a.draw(), b.draw());
    }
}

}  // namespace
}  // namespace tinzel
