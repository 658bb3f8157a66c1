// The eleven colours of the game, shared by the board squares and the colour buttons.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "game/color_value.h"

namespace tinzel {

inline constexpr std::size_t kColorCount = 11;

// Index k colours the squares dealt in colour k and colour button k.
inline constexpr std::array<ColorValue, kColorCount> Palette = {
    packColor(0, 0, 0),       packColor(160, 160, 160), packColor(255, 255, 255),
    packColor(255, 180, 180), packColor(255, 64, 64),   packColor(255, 165, 64),
    packColor(255, 255, 64),  packColor(64, 255, 64),   packColor(64, 255, 255),
    packColor(64, 64, 255),   packColor(255, 64, 255),
};

// What each colour is called, for assistive tools that read the colour buttons aloud.
inline constexpr std::array<std::string_view, kColorCount> PaletteNames = {
    "Black", "Grey", "White", "Pink", "Red", "Orange", "Yellow", "Green", "Cyan", "Blue", "Magenta",
};

}  // namespace tinzel
