// Where on the window a player aims, from the design: each control's centre and a spot of
// bare panel, in twips from the client area's top-left corner.
#pragma once

#include "game/controls.h"
#include "game/counts.h"
#include "ui/form_design.h"

namespace tinzel::testing {

struct TwipsPoint {
    int x;
    int y;
};

// Square `index` (1 to kSquareCount), row by row.
inline TwipsPoint squareCentre(int index) {
    const design::TwipsRect& square = design::kSquare;
    return {square.width * ((index - 1) % kBoardSide) + square.width / 2,
            square.height * ((index - 1) / kBoardSide) + square.height / 2};
}

// Colour button `index` (0 to kButtonCount - 1), down the column.
inline TwipsPoint buttonCentre(int index) {
    const design::TwipsRect& button = design::kColorButton;
    return {button.left + button.width / 2, button.height * index + button.height / 2};
}

inline TwipsPoint labelCentre(ScoreLabel label) {
    const design::TwipsRect& area = design::scoreRect(label);
    return {area.left + area.width / 2, area.top + area.height / 2};
}

// Below the score labels, right of the buttons: nothing but the panel.
inline TwipsPoint bareSpot() {
    return {7000, 2600};
}

// Where a place lies in a client area of `width` × `height` pixels, which shows the whole
// design: a driver aims by the window's own size, never by the window's own conversion, so a
// fault in that conversion cannot hide in the aiming.
struct PixelPoint {
    int x;
    int y;
};

inline PixelPoint pixelsAt(TwipsPoint place, int width, int height) {
    return {place.x * width / design::kClientWidth, place.y * height / design::kClientHeight};
}

}  // namespace tinzel::testing
