// The palette's colour names, by the colour's value.
#include "ui/color_name.h"

#include <algorithm>
#include <string_view>

#include "game/palette.h"

namespace tinzel {

std::string colorName(ColorValue color) {
    const auto found = std::find(Palette.begin(), Palette.end(), color);
    if (found != Palette.end()) {
        return std::string(PaletteNames[static_cast<std::size_t>(found - Palette.begin())]);
    }
    // Digit by digit: printf would be most of the page's download of the game's own code.
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string hex = "#";
    for (const int component : {redOf(color), greenOf(color), blueOf(color)}) {
        hex += kDigits[static_cast<std::size_t>(component / 16)];
        hex += kDigits[static_cast<std::size_t>(component % 16)];
    }
    return hex;
}

}  // namespace tinzel
