// Dealing the board: a hundred squares, exactly one colour on exactly ten of them.
#include <cmath>

#include "game/counts.h"
#include "game/form1_module.h"
#include "game/game_error.h"
#include "game/number_functions.h"
#include "game/palette.h"

namespace tinzel {

namespace {

// Squares touch without gaps: the pitches are a square's own width and height.
constexpr int kColumnPitch = 495;
constexpr int kRowPitch = 440;
constexpr int kButtonPitch = 400;
// Buttons 1 and on are made at run time, below the design's button 0.
constexpr int kButtonsCreated = kButtonCount - 1;
// Once a colour has ten, a colour is only accepted while it stays at nine or fewer.
constexpr int kMostAfterTen = kAnswerSquares - 2;

}  // namespace

int Form1Module::drawColor() {
    const float scaled = random_.draw() * static_cast<float>(kColorCount);
    if (!std::isfinite(scaled)) {
        throw GameError(GameError::Kind::FloatingPointFault,
                        "Floating-point fault while drawing a colour");
    }
    state_.colorDraw = roundDown(scaled);
    return ColorCounts::checkedIndex(state_.colorDraw);
}

void Form1Module::loadshapes() {
    for (int i = 1; i <= kBoardSide; ++i) {
        for (int j = 1; j <= kBoardSide; ++j) {
            state_.squareNumber = kBoardSide * i + j - kBoardSide;
            const int square = state_.squareNumber;
            runtime_.createElement(ControlArray::Square, square);
            runtime_.setTop(ControlArray::Square, square, kRowPitch * i - kRowPitch);
            runtime_.setLeft(ControlArray::Square, square, kColumnPitch * j - kColumnPitch);
            runtime_.setVisible(ControlArray::Square, square, true);
            int color = drawColor();
            if (state_.tenReached) {
                // Ten colours at nine and one at ten would be 100 squares, so while a square
                // is still to be dealt some colour at eight or fewer remains: this loop ends.
                while (state_.colorCount[color] > kMostAfterTen) {
                    color = drawColor();
                }
            }
            runtime_.setBackColor(ControlArray::Square, square,
                                  Palette[static_cast<std::size_t>(color)]);
            state_.colorCount[color] += 1;
            if (!state_.tenReached && state_.colorCount[color] == kAnswerSquares) {
                state_.tenReached = true;
            }
        }
    }

    for (int k = 1; k <= kButtonsCreated; ++k) {
        runtime_.createElement(ControlArray::Color, k);
        runtime_.setTop(ControlArray::Color, k, kButtonPitch * k);
        runtime_.setVisible(ControlArray::Color, k, true);
        runtime_.setBackColor(ControlArray::Color, k, Palette[static_cast<std::size_t>(k)]);
    }
}

}  // namespace tinzel
