// Draws the page's icon from resources/icon/board.txt as an SVG document: one picture that a
// phone scales to whatever size it puts on its home screen, the same as the desktop icons.
#include <cstdio>
#include <fstream>

#include "tools/icon_board.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_svg BOARD.txt OUTPUT.svg\n");
        return 2;
    }
    try {
        const auto board = tinzel::icon::IconBoard::fromFile(argv[1]);
        // 64 units a tile, the grid line an eighth of it, as on the largest desktop icons.
        std::ofstream out(argv[2], std::ios::binary);
        out << board.svg(board.side() * 64);
        if (!out) {
            std::fprintf(stderr, "make_svg: cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_svg: %s\n", error.what());
        return 1;
    }
    return 0;
}
