// What a render hands a front end: the changes between the model it drew and the model now.
#include "ui/form_changes.h"

#include <gtest/gtest.h>

#include "game/palette.h"

namespace tinzel {
namespace {

// A load as the game makes one: squares 1 and 2 in a row, coloured; button 1 shown.
FormModel dealt(ColorValue first, ColorValue second) {
    FormModel form;
    for (int index = 1; index <= 2; ++index) {
        form.createElement(ControlArray::Square, index);
        form.setTop(ControlArray::Square, index, 0);
        form.setLeft(ControlArray::Square, index, 495 * (index - 1));
        form.setVisible(ControlArray::Square, index, true);
    }
    form.setBackColor(ControlArray::Square, 1, first);
    form.setBackColor(ControlArray::Square, 2, second);
    form.createElement(ControlArray::Color, 1);
    form.setTop(ControlArray::Color, 1, 400);
    form.setVisible(ControlArray::Color, 1, true);
    form.setBackColor(ControlArray::Color, 1, Palette[1]);
    return form;
}

TEST(FormChanges, AFirstRenderHasEveryShownElementAppearAndBothCaptions) {
    const FormModel now = dealt(Palette[3], Palette[4]);
    const FormChanges changes = changesBetween(nullptr, now);
    EXPECT_TRUE(changes.first);
    EXPECT_TRUE(changes.captionChanged(ScoreLabel::Wins));
    EXPECT_TRUE(changes.captionChanged(ScoreLabel::Losses));
    ASSERT_EQ(changes.squares.size(), 2U) << "the hidden template square is nothing to draw";
    for (int index = 1; index <= 2; ++index) {
        const ChangedElement& square = changes.squares[static_cast<std::size_t>(index - 1)];
        EXPECT_EQ(square.index, index);
        EXPECT_EQ(square.changes, kAppeared);
        EXPECT_EQ(square.before.left, now.element(ControlArray::Square, index).rect.left);
    }
    ASSERT_EQ(changes.buttons.size(), 2U);
    EXPECT_EQ(changes.buttons[1].before.top, 400);
}

TEST(FormChanges, TheSameRoundAgainChangesNothing) {
    const FormModel drawn = dealt(Palette[3], Palette[4]);
    FormModel now = dealt(Palette[3], Palette[4]);
    now.setBackColor(ControlArray::Square, 0, Palette[7]);  // hidden: nothing to draw
    EXPECT_TRUE(changesBetween(&drawn, now).empty());
}

// The next round: only what differs from the round on screen is drawn again.
TEST(FormChanges, ANewRoundNamesEachElementThatDiffersAndWhatDiffersOnIt) {
    const FormModel drawn = dealt(Palette[3], Palette[4]);
    FormModel now = dealt(Palette[3], Palette[5]);
    now.setCaption(ScoreLabel::Losses, "LOST: 1");
    now.setLeft(ControlArray::Square, 1, 990);
    now.setBackColor(ControlArray::Square, 1, Palette[6]);
    const FormChanges changes = changesBetween(&drawn, now);
    EXPECT_FALSE(changes.first);
    EXPECT_FALSE(changes.captionChanged(ScoreLabel::Wins));
    EXPECT_TRUE(changes.captionChanged(ScoreLabel::Losses));
    ASSERT_EQ(changes.squares.size(), 2U);
    EXPECT_EQ(changes.squares[0].changes, kMoved | kRecoloured);
    EXPECT_EQ(changes.squares[0].before.left, 0) << "where it was drawn, to repaint";
    EXPECT_EQ(changes.squares[1].index, 2);
    EXPECT_EQ(changes.squares[1].changes, kRecoloured);
    EXPECT_TRUE(changes.buttons.empty());
}

// Hidden or gone, an element must not be seen; shown again, it is drawn whole.
TEST(FormChanges, AnElementHiddenOrGoneVanishesAndOneShownAgainAppears) {
    const FormModel drawn = dealt(Palette[3], Palette[4]);
    FormModel now;
    now.createElement(ControlArray::Square, 1);
    now.setVisible(ControlArray::Square, 1, true);
    now.setVisible(ControlArray::Color, 0, false);
    FormChanges changes = changesBetween(&drawn, now);
    ASSERT_EQ(changes.squares.size(), 2U);
    EXPECT_EQ(changes.squares[0].changes, kMoved | kRecoloured);
    EXPECT_EQ(changes.squares[1].index, 2);
    EXPECT_EQ(changes.squares[1].changes, kVanished);
    EXPECT_EQ(changes.squares[1].before.left, 495);
    ASSERT_EQ(changes.buttons.size(), 2U);
    EXPECT_EQ(changes.buttons[0].changes, kVanished);
    EXPECT_EQ(changes.buttons[1].changes, kVanished);

    changes = changesBetween(&now, drawn);
    EXPECT_EQ(changes.buttons[0].changes, kAppeared);
    EXPECT_EQ(changes.squares[1].changes, kAppeared);
}

// A window that paints the board itself repaints where a square went from and where it is.
TEST(FormChanges, TheBoardAreaHoldsWhereEveryChangedSquareWasAndIsNow) {
    const FormModel drawn = dealt(Palette[3], Palette[4]);
    EXPECT_EQ(boardArea(changesBetween(&drawn, drawn), drawn).width, 0) << "nothing to repaint";

    FormModel now = dealt(Palette[3], Palette[4]);
    now.setTop(ControlArray::Square, 2, 1000);
    const design::TwipsRect square = drawn.element(ControlArray::Square, 2).rect;
    design::TwipsRect area = boardArea(changesBetween(&drawn, now), now);
    EXPECT_EQ(area.left, square.left);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.width, square.width);
    EXPECT_EQ(area.height, 1000 + square.height);

    now.setVisible(ControlArray::Square, 1, false);
    area = boardArea(changesBetween(&drawn, now), now);
    EXPECT_EQ(area.left, 0) << "a square that vanished is repainted where it was";
    EXPECT_EQ(area.width, square.left + square.width);
}

}  // namespace
}  // namespace tinzel
