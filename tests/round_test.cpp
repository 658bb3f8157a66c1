// Round starts and answers: the scoreboard, judging, the rebuild, and the end of the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "game/game_error.h"
#include "tests/test_game.h"

namespace tinzel::testing {
namespace {

// A round dealt from scripted draws where black is the ten-colour.
void scriptBlackTen(TestGame& game) {
    std::vector<int> colors(10, 0);
    game.scriptColors(colors);
}

bool called(const TestGame& game, const std::string& call) {
    const auto& calls = game.runtime.calls();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

TEST(Scoreboard, StartUpReadsWinsZeroAndLostZero) {
    TestGame game;
    game.start();
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Wins), "WINS: 0");
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Losses), "LOST: 0");
    EXPECT_TRUE(called(game, "Wins.Caption = WINS: 0"));
    EXPECT_TRUE(called(game, "Losses.Caption = LOST: 0"));
}

TEST(Scoreboard, ARoundStartSeedsThenWritesTheLabelsThenDeals) {
    TestGame game;
    game.start();
    const std::vector<std::string> expected = {"showForm", "clockReading", "Wins.Caption = WINS: 0",
                                               "Losses.Caption = LOST: 0", "create Square(1)"};
    const auto& calls = game.runtime.calls();
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), calls.begin()));
}

TEST(Scoreboard, ARoundStartClearsWhatTheLastRoundLeft) {
    TestGame game;
    game.start();
    auto& state = Form1ModulePeer(game.module).state();
    for (int color = 0; color <= 10; ++color) {
        state.colorCount[color] = 37;
    }
    state.tenReached = true;
    game.module.loadvars();
    for (int color = 0; color <= 10; ++color) {
        EXPECT_EQ(state.colorCount[color], 0) << "colour " << color;
    }
    EXPECT_FALSE(state.tenReached);
}

TEST(Judging, TheTenColourWinsAndLeavesTheLossesAlone) {
    TestGame game;
    game.start();
    game.answerRight();
    EXPECT_EQ(game.module.state().winCount, 1);
    EXPECT_EQ(game.module.state().lossCount, 0);
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Wins), "WINS: 1");
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Losses), "LOST: 0");
}

// A colour with nine squares looks close, but only ten counts.
TEST(Judging, AColourWithNineSquaresIsALoss) {
    TestGame game;
    std::vector<int> colors;
    for (int square = 0; square < 100; ++square) {
        colors.push_back(square % 11);  // every colour at nine, then colour 0 at ten
    }
    game.scriptColors(colors);
    game.start();
    ASSERT_EQ(game.module.state().colorCount[1], 9);
    game.module.Color_Click(1);
    EXPECT_EQ(game.module.state().winCount, 0);
    EXPECT_EQ(game.module.state().lossCount, 1);
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Wins), "WINS: 0");
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Losses), "LOST: 1");
}

TEST(Judging, TheBlackButtonIsRightExactlyWhenBlackIsTheTenColour) {
    TestGame blackTen;
    scriptBlackTen(blackTen);
    blackTen.start();
    blackTen.module.Color_Click(0);
    EXPECT_EQ(blackTen.module.state().winCount, 1);

    TestGame otherTen;
    otherTen.scriptColors(std::vector<int>(10, 7));
    otherTen.start();
    otherTen.module.Color_Click(0);
    EXPECT_EQ(otherTen.module.state().winCount, 0);
    EXPECT_EQ(otherTen.module.state().lossCount, 1);
}

TEST(Judging, AnIndexOutsideTheButtonsIsASubscriptError) {
    TestGame game;
    game.start();
    EXPECT_THROW(game.module.Color_Click(11), GameError);
    EXPECT_THROW(game.module.Color_Click(-1), GameError);
    EXPECT_EQ(game.module.state().lossCount, 0);
}

TEST(RoundCycle, EveryAnswerUnloadsThenShowsANewlyDealtBoard) {
    TestGame game;
    game.start();
    game.runtime.clearCalls();
    scriptBlackTen(game);  // the next board starts with ten black squares
    game.answerWrong();
    const auto& calls = game.runtime.calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "unloadForm");
    EXPECT_EQ(calls[1], "showForm");
    EXPECT_EQ(calls[2], "clockReading");
    EXPECT_EQ(game.runtime.loadsRun(), 2);
    EXPECT_TRUE(game.runtime.visible());
    EXPECT_EQ(game.runtime.form().elementCount(ControlArray::Square), 101);
    EXPECT_EQ(game.runtime.form().element(ControlArray::Square, 1).backColor, Palette[0]);
    EXPECT_EQ(game.tenColor(), 0);
}

TEST(RoundCycle, TheScoreSurvivesEveryRebuildOfTheWindow) {
    TestGame game;
    game.start();
    game.answerRight();
    game.answerWrong();
    game.answerRight();
    game.answerWrong();
    game.answerWrong();
    EXPECT_EQ(game.module.state().winCount, 2);
    EXPECT_EQ(game.module.state().lossCount, 3);
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Wins), "WINS: 2");
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Losses), "LOST: 3");
    EXPECT_EQ(game.runtime.seedsTaken(), 6);
}

TEST(GameEnd, TheTenthWinShowsTheMessageAndEndsBeforeAnySquareIsDealt) {
    TestGame game;
    game.start();
    for (int win = 0; win < 9; ++win) {
        game.answerRight();
    }
    game.answerWrong();
    game.answerWrong();
    game.runtime.clearCalls();
    const int drawsBefore = game.drawsTaken();
    EXPECT_THROW(game.answerRight(), ProgramEnded);

    const std::vector<std::string> expected = {"unloadForm",
                                               "showForm",
                                               "clockReading",
                                               "Wins.Caption = WINS: 10",
                                               "Losses.Caption = LOST: 2",
                                               "messageBox You won! But you had 2losses.",
                                               "endProgram"};
    EXPECT_EQ(game.runtime.calls(), expected);
    EXPECT_EQ(game.drawsTaken(), drawsBefore);
    EXPECT_FALSE(game.runtime.visible());
    EXPECT_EQ(game.runtime.form().elementCount(ControlArray::Square), 1);
}

TEST(GameEnd, WithNoLossesTheMessageRunsTheZeroIntoTheWord) {
    TestGame game;
    game.start();
    Form1ModulePeer(game.module).state().winCount = 9;
    EXPECT_THROW(game.answerRight(), ProgramEnded);
    ASSERT_EQ(game.runtime.messages().size(), 1u);
    EXPECT_EQ(game.runtime.messages()[0], "You won! But you had 0losses.");
}

TEST(GameEnd, AWinCountAboveTenEndsTheGameToo) {
    TestGame game;
    Form1ModulePeer(game.module).state().winCount = 12;
    EXPECT_THROW(game.start(), ProgramEnded);
    EXPECT_TRUE(game.runtime.ended());
}

// The 32 768th loss used to stop the program with an overflow; the game now goes on.
TEST(LossCount, CountsOnPastSixteenBitsAndDealsANewBoard) {
    TestGame game;
    game.start();
    Form1ModulePeer(game.module).state().lossCount = 32767;
    game.answerWrong();
    EXPECT_EQ(game.module.state().lossCount, 32768);
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Losses), "LOST: 32768");
    EXPECT_EQ(game.runtime.form().elementCount(ControlArray::Square), 101);
    EXPECT_FALSE(game.runtime.ended());
}

TEST(LossCount, StaysAtItsMaximumInsteadOfWrapping) {
    TestGame game;
    game.start();
    Form1ModulePeer(game.module).state().lossCount = std::numeric_limits<std::int32_t>::max();
    game.answerWrong();
    EXPECT_EQ(game.module.state().lossCount, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(game.runtime.caption(ScoreLabel::Losses), "LOST: 2147483647");
}

TEST(LossCount, TheEndMessageNamesALargeLossCountExactly) {
    TestGame game;
    game.start();
    Form1ModulePeer(game.module).state().lossCount = 40000;
    Form1ModulePeer(game.module).state().winCount = 9;
    EXPECT_THROW(game.answerRight(), ProgramEnded);
    EXPECT_EQ(game.runtime.messages().at(0), "You won! But you had 40000losses.");
}

}  // namespace
}  // namespace tinzel::testing
