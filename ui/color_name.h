// What assistive tools call a colour: the palette's name for it ("Black", "Grey", …), or its
// hex code (#rrggbb) for a colour the palette does not have.
#pragma once

#include <string>

#include "ui/runtime_services.h"

namespace tinzel {

std::string colorName(ColorValue color);

}  // namespace tinzel
