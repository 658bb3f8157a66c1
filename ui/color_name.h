// What assistive tools call a colour: the palette's name for it ("Black", "Grey", …), or its
// hex code (#rrggbb) for a colour the palette does not have.
#pragma once

#include <string>

#include "game/color_value.h"

namespace tinzel {

std::string colorName(ColorValue color);

}  // namespace tinzel
