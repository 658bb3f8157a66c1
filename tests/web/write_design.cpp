// Writes the window's design and the palette as a JavaScript module for the page's tests, so
// that they place and judge by the game's own facts, as the desktop windows' tests do.
#include <cstdio>

#include "game/counts.h"
#include "game/palette.h"
#include "ui/form_design.h"

namespace {

void printRect(const char* name, const tinzel::design::TwipsRect& rect) {
    std::printf("  %s: { left: %d, top: %d, width: %d, height: %d },\n", name, rect.left, rect.top,
                rect.width, rect.height);
}

}  // namespace

int main() {
    using namespace tinzel;
    std::printf("// Written by tests/web/write_design.cpp from the game's headers: do not edit.\n");
    std::printf("'use strict';\n\nmodule.exports = {\n");
    std::printf("  client: { width: %d, height: %d },\n", design::kClientWidth,
                design::kClientHeight);
    std::printf("  boardSide: %d,\n  squareCount: %d,\n  buttonCount: %d,\n  answerSquares: %d,\n",
                kBoardSide, kSquareCount, kButtonCount, kAnswerSquares);
    printRect("square", design::kSquare);
    printRect("button", design::kColorButton);
    printRect("Wins", design::kWins);
    printRect("Losses", design::kLosses);
    // 0xRRGGBB, as the screen shows each colour.
    std::printf("  palette: [");
    for (ColorValue color : Palette) {
        std::printf("0x%02x%02x%02x, ", redOf(color), greenOf(color), blueOf(color));
    }
    std::printf("],\n  names: [");
    for (std::string_view name : PaletteNames) {
        std::printf("'%.*s', ", static_cast<int>(name.size()), name.data());
    }
    std::printf("],\n};\n");
    return 0;
}
