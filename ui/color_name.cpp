#include "ui/color_name.h"

#include <algorithm>
#include <cstdio>

#include "game/palette.h"

namespace tinzel {

std::string colorName(ColorValue color) {
    const auto found = std::find(Palette.begin(), Palette.end(), color);
    if (found != Palette.end()) {
        return std::string(PaletteNames[static_cast<std::size_t>(found - Palette.begin())]);
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", redOf(color), greenOf(color), blueOf(color));
    return hex;
}

}  // namespace tinzel
