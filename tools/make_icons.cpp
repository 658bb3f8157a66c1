// Draws the game's icons from resources/icon/board.txt: PNG files for the desktop at every
// size a desktop asks for.
#include <QColor>
#include <QImage>
#include <cstdio>
#include <fstream>

#include "tools/icon_board.h"

namespace {

QImage toImage(const std::vector<std::uint8_t>& pixels, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const auto& rgb =
                tinzel::icon::kClassicPalette[pixels[static_cast<std::size_t>(y * size + x)]];
            image.setPixelColor(x, y, QColor(rgb.red, rgb.green, rgb.blue));
        }
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons BOARD.txt OUTPUT-DIRECTORY\n");
        return 2;
    }
    try {
        const auto board = tinzel::icon::IconBoard::fromFile(argv[1]);
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString path = QStringLiteral("%1/tinzel-%2.png").arg(argv[2]).arg(size);
            if (!toImage(board.render(size), size).save(path)) {
                std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_icons: %s\n", error.what());
        return 1;
    }
    return 0;
}
