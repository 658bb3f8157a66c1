// The right answer to a round, as a test or a benchmark player looks it up: the colour that
// the deal brought to ten squares.
#pragma once

#include "game/game_state.h"

namespace tinzel::testing {

// -1 while no colour is on ten squares (before the first deal).
inline int tenColor(const GameState& state) {
    for (int color = 0; color < static_cast<int>(kColorCount); ++color) {
        if (state.colorCount[color] == 10) {
            return color;
        }
    }
    return -1;
}

// A colour that is not the answer.
inline int wrongColor(const GameState& state) {
    return tenColor(state) == 0 ? 1 : 0;
}

}  // namespace tinzel::testing
