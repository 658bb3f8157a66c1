// How big the score font is for a caption: the design's size, or smaller in half-point steps
// until the whole text fits inside its label, but never below the smallest size. Every
// window fits its score labels by this one rule, measuring with its own toolkit.
#pragma once

#include <string_view>

#include "ui/form_design.h"

namespace tinzel {

// `width(text, points)` tells how wide `text` is set at `points`, in the same pixels as the
// label's inner width, counting whatever indent the label adds before it.
template <typename TextWidth>
double fitScoreFont(double innerWidth, std::string_view text, const TextWidth& width) {
    double points = design::kScoreFontPoints;
    while (points > design::kSmallestScoreFontPoints && width(text, points) > innerWidth) {
        points -= 0.5;
    }
    return points;
}

}  // namespace tinzel
