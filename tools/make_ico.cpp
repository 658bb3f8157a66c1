// Draws Tinzel.exe's icon from resources/icon/board.txt: 32 × 32 in 2 colours, 32 × 32 in
// 16 colours and 16 × 16 in 16 colours, the same picture as the desktop icons.
#include <cstdio>
#include <fstream>

#include "tools/ico_file.h"
#include "tools/icon_board.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_ico BOARD.txt OUTPUT.ico\n");
        return 2;
    }
    try {
        using namespace tinzel::icon;
        const IconBoard board = IconBoard::fromFile(argv[1]);
        const std::vector<Rgb> classic(kClassicPalette.begin(), kClassicPalette.end());
        const std::vector<Rgb> blackAndWhite = {{0, 0, 0}, {255, 255, 255}};
        const auto bytes = encodeIco({
            {32, 1, blackAndWhite, board.renderMonochrome(32)},
            {32, 4, classic, board.render(32)},
            {16, 4, classic, board.render(16)},
        });
        std::ofstream out(argv[2], std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "make_ico: cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_ico: %s\n", error.what());
        return 1;
    }
    return 0;
}
