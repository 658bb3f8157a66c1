// Twips to pixels: 1440 twips to the logical inch, so 15 twips a pixel at 96 DPI.
#pragma once

#include "ui/form_design.h"

namespace tinzel {

// Rounded to the nearest pixel. Convert a rectangle's edges, not its size, so that
// rectangles touching in twips touch in pixels too.
constexpr int twipsToPixels(int twips, int dotsPerInch) {
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    const long long half = design::kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / design::kTwipsPerInch
                                        : -((-scaled + half) / design::kTwipsPerInch));
}

}  // namespace tinzel
