// The page's units: CSS pixels from the panel's top-left corner, and colours as 0xRRGGBB.
#pragma once

#include "game/color_value.h"
#include "ui/form_design.h"
#include "ui/twips.h"
#include "ui/web/page.h"

namespace tinzel::web {

// CSS pixels are 96 to the inch: 15 twips each, whatever the screen's pixel ratio.
inline constexpr int kCssPixelsPerInch = 96;

inline PixelRect cssPixels(const design::TwipsRect& rect) {
    return twipsToPixels(rect, kCssPixelsPerInch, kCssPixelsPerInch);
}

inline PageRect pageRect(const design::TwipsRect& twips) {
    const PixelRect rect = cssPixels(twips);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

inline int toRgb(ColorValue color) {
    return (redOf(color) << 16) | (greenOf(color) << 8) | blueOf(color);
}

}  // namespace tinzel::web
