// How big the score font is for a caption: the design's size, or smaller in half-point steps
// until the whole text fits inside its label, but never below the smallest size. Every
// window fits its score labels by this one rule, measuring with its own toolkit.
#pragma once

#include <string_view>

#include "ui/form_design.h"
#include "ui/form_look.h"

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

// The score font's size for `caption` in a score label `labelWidth` pixels wide, inside its
// frame (ui/form_look.h): `advanceAt(points)` is the score face's digit advance at `points`,
// in the same pixels, and the caption is set in by its indent.
template <typename Advance>
double fitScoreLabel(double labelWidth, std::string_view caption, const Advance& advanceAt) {
    const auto width = [&](std::string_view text, double points) {
        return look::scoreWidth(text.size(), advanceAt(points));
    };
    return fitScoreFont(labelWidth - 2 * look::kScoreFrameWidth, caption, width);
}

}  // namespace tinzel
