// How every window draws its controls, decided once and drawn alike by every toolkit: the
// colour buttons' edge, pressed edge and focus ring, the squares' border, and the score
// labels' frame and text placement. Lengths are the window's pixels (a toolkit's logical
// pixels where it scales them); each shape is given as the rectangles that fill it, so that no
// toolkit's own way of stroking a line decides how it looks.
#pragma once

#include <cstddef>
#include <vector>

#include "game/color_value.h"
#include "ui/twips.h"

namespace tinzel::look {

// A colour button: its colour inside an edge one pixel wide in this colour.
inline constexpr ColorValue kButtonEdgeColor = 0x00404040;
inline constexpr int kButtonEdgeWidth = 1;
// Held down, its edge is two pixels wide, in its ring colour.
inline constexpr int kPressedEdgeWidth = 2;
// Holding the focus, a ring of dashes two pixels thick, two long and two apart, runs this far
// inside its outer edge, in its ring colour.
inline constexpr int kFocusRingInset = 4;
inline constexpr int kFocusRingWidth = 2;
inline constexpr int kFocusRingDash = 2;

// The squares: their colour inside a border one pixel wide in black.
inline constexpr ColorValue kSquareBorderColor = 0x00000000;
inline constexpr int kSquareBorderWidth = 1;

// The score labels: the platform's label colours inside a frame one pixel wide in the label's
// text colour; the text starts at the frame's inside top, set in from its left by half an
// advance of the face.
inline constexpr int kScoreFrameWidth = 1;
inline constexpr double kScoreIndentInAdvances = 0.5;

// A score's characters stand one advance of the face apart, each at the nearest whole pixel,
// whatever a toolkit would round itself: where each starts, from the text's start.
std::vector<int> scorePlaces(std::size_t characters, double advance);
// The room a score of `characters` characters takes, its indent included.
constexpr double scoreWidth(std::size_t characters, double advance) {
    return (static_cast<double>(characters) + kScoreIndentInAdvances) * advance;
}

// A button's ring colour: black or white, whichever stands out against its fill, so the ring
// and the pressed edge show on every colour of the palette.
constexpr ColorValue ringColor(ColorValue fill) {
    const double luminance = 0.299 * redOf(fill) + 0.587 * greenOf(fill) + 0.114 * blueOf(fill);
    return luminance > 128 ? packColor(0, 0, 0) : packColor(255, 255, 255);
}

// The four strips of a frame `thickness` pixels wide just inside a `width` × `height` area.
std::vector<PixelRect> frame(int width, int height, int thickness);

// The focus ring's dashes on a button of `width` × `height` pixels.
std::vector<PixelRect> focusRing(int width, int height);

}  // namespace tinzel::look
