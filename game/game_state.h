// Everything the game remembers: this round's dealing and this run's score.
#pragma once

#include <cstdint>

#include "game/color_counts.h"

namespace tinzel {

// Lives as long as the program, across every teardown and rebuild of the window.
struct GameState {
    // Scratch values of the dealing: the square being dealt and the colour drawn for it.
    int squareNumber = 0;
    float colorDraw = 0.0f;

    // Per round: cleared at every round start, filled while the board is dealt.
    ColorCounts colorCount;
    bool tenReached = false;

    // Per run: never reset.
    int winCount = 0;
    // Wide enough that no patient player can reach its end; at its maximum it stays there.
    std::int32_t lossCount = 0;
};

}  // namespace tinzel
