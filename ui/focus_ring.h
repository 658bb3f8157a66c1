// The colour of a colour button's focus ring: black or white, whichever stands out against the
// button's fill, so the ring shows on every colour of the palette.
#pragma once

#include "game/color_value.h"

namespace tinzel {

constexpr ColorValue focusRingColor(ColorValue fill) {
    const double luminance = 0.299 * redOf(fill) + 0.587 * greenOf(fill) + 0.114 * blueOf(fill);
    return luminance > 128 ? packColor(0, 0, 0) : packColor(255, 255, 255);
}

}  // namespace tinzel
