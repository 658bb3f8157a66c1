// Dealing the board: positions, colours, the ten-squares rule and its redraws.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "game/game_error.h"
#include "tests/test_game.h"

namespace tinzel::testing {
namespace {

const Element& square(const TestGame& game, int number) {
    return game.runtime.form().element(ControlArray::Square, number);
}

int countOf(const TestGame& game, int color) {
    return game.module.state().colorCount[color];
}

// Scripts `times` draws of each colour in `colors`, in turn.
void scriptEach(TestGame& game, const std::vector<int>& colors, int times) {
    std::vector<int> draws;
    for (int color : colors) {
        draws.insert(draws.end(), static_cast<std::size_t>(times), color);
    }
    game.scriptColors(draws);
}

TEST(BoardLayout, SquaresFormATouchingTenByTenGridRowByRow) {
    TestGame game;
    game.start();
    // the hidden template and the hundred dealt squares
    ASSERT_EQ(game.runtime.form().elementCount(ControlArray::Square), 101);
    EXPECT_FALSE(square(game, 0).visible);
    for (int row = 1; row <= 10; ++row) {
        for (int column = 1; column <= 10; ++column) {
            const auto& dealt = square(game, 10 * (row - 1) + column);
            EXPECT_TRUE(dealt.visible);
            EXPECT_EQ(dealt.rect.top, 440 * (row - 1));
            EXPECT_EQ(dealt.rect.left, 495 * (column - 1));
        }
    }
    EXPECT_EQ(square(game, 10).rect.left, 4455);
    EXPECT_EQ(square(game, 91).rect.top, 3960);
    EXPECT_EQ(square(game, 100).rect.left, 4455);
    EXPECT_EQ(square(game, 100).rect.top, 3960);
}

TEST(BoardLayout, ColourButtonsStackBelowTheBlackButtonInPaletteOrder) {
    TestGame game;
    game.start();
    ASSERT_EQ(game.runtime.form().elementCount(ControlArray::Color), 11);
    for (int k = 0; k <= 10; ++k) {
        const Element& button = game.runtime.form().element(ControlArray::Color, k);
        EXPECT_TRUE(button.visible) << k;
        EXPECT_EQ(button.rect.top, 400 * k);
        EXPECT_EQ(button.rect.left, 4920);
        EXPECT_EQ(button.backColor, Palette[static_cast<std::size_t>(k)]);
    }
}

// Each element is created, placed and shown before it is coloured, and the board comes
// before the buttons: a front end may rely on that order.
TEST(BoardLayout, EachSquareIsCreatedPlacedShownThenColoured) {
    TestGame game;
    game.scriptColors({3});
    game.start();
    const auto& calls = game.runtime.calls();
    auto first = std::find(calls.begin(), calls.end(), "create Square(1)");
    ASSERT_NE(first, calls.end());
    const std::vector<std::string> expected = {
        "create Square(1)",
        "Square(1).Top = 0",
        "Square(1).Left = 0",
        "Square(1).Visible = true",
        "Square(1).BackColor = " + std::to_string(Palette[3]),
        "create Square(2)",
    };
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), first));
    const std::vector<std::string> lastButton = {
        "create Color(10)", "Color(10).Top = 4000", "Color(10).Visible = true",
        "Color(10).BackColor = " + std::to_string(Palette[10])};
    ASSERT_GE(calls.size(), lastButton.size());
    EXPECT_TRUE(std::equal(lastButton.begin(), lastButton.end(),
                           calls.end() - static_cast<long>(lastButton.size())));
}

TEST(DealingRule, SquaresTakeTheColourDrawnForThem) {
    TestGame game;
    game.scriptColors({0, 10, 5});
    game.start();
    EXPECT_EQ(square(game, 1).backColor, Palette[0]);
    EXPECT_EQ(square(game, 2).backColor, Palette[10]);
    EXPECT_EQ(square(game, 3).backColor, Palette[5]);
}

// 99 squares can leave every colour at nine; the hundredth then makes the ten-colour.
TEST(DealingRule, TheLastSquareCanMakeTheTenColour) {
    TestGame game;
    std::vector<int> nineOfEach;
    for (int round = 0; round < 9; ++round) {
        for (int color = 0; color <= 10; ++color) {
            nineOfEach.push_back(color);
        }
    }
    nineOfEach.push_back(4);
    game.scriptColors(nineOfEach);
    game.start();
    EXPECT_EQ(game.drawsTaken(), 100);
    EXPECT_TRUE(game.module.state().tenReached);
    EXPECT_EQ(game.tenColor(), 4);
    EXPECT_EQ(square(game, 100).backColor, Palette[4]);
    for (int color = 0; color <= 10; ++color) {
        EXPECT_EQ(countOf(game, color), color == 4 ? 10 : 9);
    }
}

TEST(DealingRule, AfterTenAColourAtEightIsTakenButNineAndTenAreDrawnAgain) {
    TestGame game;
    scriptEach(game, {0}, 10);  // squares 1 to 10: black reaches ten
    scriptEach(game, {1}, 8);   // squares 11 to 18: grey reaches eight
    // square 19: black (at ten) and then grey (at eight) drawn; grey is accepted
    // square 20: grey (now at nine) and black drawn and thrown away, then red accepted
    game.scriptColors({0, 1, 1, 0, 4});
    // squares 21 to 100 fill up without a redraw: red to nine, the rest but black and grey
    scriptEach(game, {4}, 8);
    scriptEach(game, {2, 3, 5, 6, 7, 8, 9, 10}, 9);
    game.start();
    EXPECT_EQ(square(game, 19).backColor, Palette[1]);
    EXPECT_EQ(square(game, 20).backColor, Palette[4]);
    // 100 squares and three draws thrown away: each redraw cost exactly one draw
    EXPECT_EQ(game.drawsTaken(), 103);
    EXPECT_EQ(countOf(game, 0), 10);
    EXPECT_EQ(countOf(game, 1), 9);
    EXPECT_EQ(countOf(game, 4), 9);
}

TEST(DealingRule, ARoundTakesOneDrawPerSquareWithoutRedraws) {
    TestGame game;
    std::vector<int> cycle;
    for (int square = 0; square < 100; ++square) {
        cycle.push_back(square % 11);  // one colour reaches ten only at square 100
    }
    game.scriptColors(cycle);
    game.start();
    EXPECT_EQ(game.drawsTaken(), 100);
}

TEST(DealingRule, ADrawOfExactlyOneIsASubscriptError) {
    TestGame game;
    game.scriptDraws({1.0f});
    try {
        game.start();
        FAIL() << "a draw of 1 picked a twelfth colour";
    } catch (const GameError& error) {
        EXPECT_EQ(error.kind(), GameError::Kind::SubscriptOutOfRange);
    }
}

TEST(DealingRule, ADrawThatIsNotANumberIsAFloatingPointFault) {
    TestGame game;
    game.scriptDraws({std::numeric_limits<float>::infinity()});
    try {
        game.start();
        FAIL() << "an infinite draw was dealt";
    } catch (const GameError& error) {
        EXPECT_EQ(error.kind(), GameError::Kind::FloatingPointFault);
    }
}

// The rule over many real deals: this is what makes every round answerable.
TEST(DealInvariants, ExactlyOneColourCoversExactlyTenSquaresOverThousandsOfSeeds) {
    for (std::uint64_t seed = 0; seed < 5000; ++seed) {
        TestGame game(seed);
        game.runtime.setRecording(false);
        game.start();
        const auto& counts = game.module.state().colorCount;
        int total = 0;
        int tens = 0;
        std::array<int, kColorCount> painted{};
        for (int color = 0; color <= 10; ++color) {
            total += counts[color];
            tens += counts[color] == 10 ? 1 : 0;
            ASSERT_LE(counts[color], 10) << "seed " << seed;
        }
        for (int number = 1; number <= 100; ++number) {
            const auto found =
                std::find(Palette.begin(), Palette.end(), square(game, number).backColor);
            ASSERT_NE(found, Palette.end()) << "seed " << seed << " square " << number;
            ++painted[static_cast<std::size_t>(found - Palette.begin())];
        }
        ASSERT_EQ(total, 100) << "seed " << seed;
        ASSERT_EQ(tens, 1) << "seed " << seed;
        ASSERT_TRUE(game.module.state().tenReached) << "seed " << seed;
        for (int color = 0; color <= 10; ++color) {
            ASSERT_EQ(painted[static_cast<std::size_t>(color)], counts[color])
                << "seed " << seed << ": the board shows other counts than were counted";
        }
    }
}

// No colour may be favoured as the answer. 22 000 rounds from a fixed seed; with ten degrees
// of freedom a chi-square above 40 has odds of about one in 100 000 for a fair game.
TEST(DealInvariants, EachColourIsTheTenColourOnceInElevenRounds) {
    constexpr int kRounds = 22000;
    TestGame game(2024);
    game.runtime.setRecording(false);
    game.start();
    std::array<int, kColorCount> timesTen{};
    for (int round = 0; round < kRounds; ++round) {
        ++timesTen[static_cast<std::size_t>(game.tenColor())];
        game.answerWrong();
    }
    const double expected = static_cast<double>(kRounds) / static_cast<double>(kColorCount);
    double chiSquare = 0.0;
    for (int observed : timesTen) {
        chiSquare += (observed - expected) * (observed - expected) / expected;
    }
    EXPECT_LT(chiSquare, 40.0);
}

}  // namespace
}  // namespace tinzel::testing
