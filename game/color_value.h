// A colour as the game and its windows pass it around: one number.
#pragma once

#include <cstdint>

namespace tinzel {

// red + 256 × green + 65536 × blue, each component 0 to 255.
using ColorValue = std::uint32_t;

constexpr ColorValue packColor(int red, int green, int blue) {
    return static_cast<ColorValue>(red) + 256u * static_cast<ColorValue>(green) +
           65536u * static_cast<ColorValue>(blue);
}

constexpr int redOf(ColorValue color) {
    return static_cast<int>(color & 0xFFu);
}
constexpr int greenOf(ColorValue color) {
    return static_cast<int>((color >> 8) & 0xFFu);
}
constexpr int blueOf(ColorValue color) {
    return static_cast<int>((color >> 16) & 0xFFu);
}

}  // namespace tinzel
