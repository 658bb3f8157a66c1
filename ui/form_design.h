// How the window Form1 is laid out when it loads, before the game deals a board: the one
// description of the design that every front end builds its window from.
#pragma once

#include <string_view>

#include "game/color_value.h"
#include "game/controls.h"

namespace tinzel::design {

// A rectangle in twips from the top-left corner of the client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr std::string_view kCaption = "Form1";
inline constexpr std::string_view kApplicationTitle = "Tinzel";
inline constexpr ColorValue kBackColor = 0x00C0C0C0;
inline constexpr int kClientWidth = 7770;
inline constexpr int kClientHeight = 4425;
inline constexpr int kTwipsPerInch = 1440;

// The design-time controls, listed in the order the design gives them. Tab order and focus
// only concern the colour buttons; the labels never take the focus.
inline constexpr TwipsRect kColorButton = {4920, 0, 1095, 400};
inline constexpr TwipsRect kLosses = {6000, 360, 1575, 375};
inline constexpr TwipsRect kLabel2 = {3600, 2280, 255, 15};
inline constexpr TwipsRect kWins = {6000, 0, 1575, 375};
inline constexpr TwipsRect kSquare = {4440, 0, 495, 440};

// Where score label `label` lies.
constexpr const TwipsRect& scoreRect(ScoreLabel label) {
    return label == ScoreLabel::Wins ? kWins : kLosses;
}

inline constexpr std::string_view kLossesCaption = "LOST: 0";
inline constexpr std::string_view kWinsCaption = "WINS: 0";
inline constexpr std::string_view kLabel2Caption = "Label2";
inline constexpr std::string_view kSquareCaption = " ";

// The score labels' font; where it is missing a front end substitutes an OCR-A face, then
// any bold monospace face. A count too long for its label shrinks it (ui/score_fit.h), down
// to the smallest size that still reads.
inline constexpr std::string_view kScoreFontFamily = "OCR A Extended";
inline constexpr int kScoreFontPoints = 12;
inline constexpr double kSmallestScoreFontPoints = 5.5;

}  // namespace tinzel::design
