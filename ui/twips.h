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

// A rectangle in pixels; right and bottom are one past the last pixel.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr PixelRect twipsToPixels(const design::TwipsRect& rect, int dpiX, int dpiY) {
    return PixelRect{twipsToPixels(rect.left, dpiX), twipsToPixels(rect.top, dpiY),
                     twipsToPixels(rect.left + rect.width, dpiX),
                     twipsToPixels(rect.top + rect.height, dpiY)};
}

}  // namespace tinzel
