// The game's counts, named once for every layer: the board's size, the colour buttons, the
// squares that make the answer, and the wins that end the game.
#pragma once

#include "game/palette.h"

namespace tinzel {

// The board is square: squares 1 to kSquareCount, row by row.
inline constexpr int kBoardSide = 10;
inline constexpr int kSquareCount = kBoardSide * kBoardSide;
// Colour buttons 0 to kButtonCount - 1, one a palette colour, in palette order.
inline constexpr int kButtonCount = static_cast<int>(kColorCount);
// The one colour on exactly this many squares is the right answer.
inline constexpr int kAnswerSquares = 10;
// The round start after this many wins ends the game.
inline constexpr int kWinsToEnd = 10;

}  // namespace tinzel
