// What a player reads off a window's pixels, judged the same for every window: a driver only
// hands over its client area as the screen shows it, and a text drawn as the window draws a
// score. Places come from the design and the client area's size, never from a window's own
// conversion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/color_value.h"
#include "ui/form_design.h"

namespace tinzel::testing {

// Pixels row by row, one 0xRRGGBB each.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

ColorValue colorOf(std::uint32_t rgb);

// A rectangle of pixels; right and bottom one past its last pixel.
struct PixelBox {
    int left;
    int top;
    int right;
    int bottom;
};

// Where a rectangle of the design lies in `screen`, which shows the whole client area.
PixelBox boxOf(const Capture& screen, const design::TwipsRect& twips);

// The colour at each square's and each colour button's centre.
struct BoardColours {
    std::vector<ColorValue> squares;
    std::vector<ColorValue> buttons;
};
BoardColours readBoard(const Capture& screen);

// The squares (from 1) that show no black border at their left edge, where one of a square and
// its left neighbour is not black itself (a black border on black does not show).
std::vector<int> squaresWithoutBorder(const Capture& screen);

// How many pixels inside colour button `index`, clear of its edge, stand out from its fill: a
// focus ring's, or none.
int ringPixels(const Capture& screen, int index);

// Whether score label `label` on `screen` shows the text of `characters` characters that
// `drawn` holds, drawn as the window draws the label's caption (dark on light, with room to
// spare): the label's ink inside its frame is the drawn text's, character by character, and
// ends inside the frame.
struct TextMatch {
    bool matches = false;
    std::string detail;
};
TextMatch matchText(const Capture& screen, const design::TwipsRect& label, const Capture& drawn,
                    std::size_t characters);

}  // namespace tinzel::testing
