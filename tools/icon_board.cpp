#include "tools/icon_board.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace tinzel::icon {

const std::array<Rgb, 16> kClassicPalette = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

namespace {

// The letters of the text source, in palette order.
constexpr std::string_view kLetters = "KMGONPTSDRLYBFAW";
constexpr std::uint8_t kGrid = 0;

bool isDark(std::uint8_t index) {
    const Rgb& color = kClassicPalette[index];
    return 299 * color.red + 587 * color.green + 114 * color.blue < 128000;
}

}  // namespace

IconBoard IconBoard::fromText(const std::string& text) {
    IconBoard board;
    std::istringstream lines(text);
    std::string line;
    int rows = 0;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        int columns = 0;
        for (char letter : line) {
            if (letter == ' ') {
                continue;
            }
            const auto found = kLetters.find(letter);
            if (found == std::string_view::npos) {
                throw std::runtime_error(std::string("unknown colour letter '") + letter + "'");
            }
            board.tiles_.push_back(static_cast<std::uint8_t>(found));
            ++columns;
        }
        if (rows == 0) {
            board.side_ = columns;
        } else if (columns != board.side_) {
            throw std::runtime_error("every row of the icon board needs the same length");
        }
        ++rows;
    }
    if (rows == 0 || rows != board.side_) {
        throw std::runtime_error("the icon board must be square");
    }
    return board;
}

IconBoard IconBoard::fromFile(const std::string& path) {
    std::ifstream source(path);
    if (!source) {
        throw std::runtime_error("cannot read " + path);
    }
    std::stringstream text;
    text << source.rdbuf();
    return fromText(text.str());
}

std::vector<std::uint8_t> IconBoard::render(int size) const {
    if (side_ == 0 || size % side_ != 0) {
        throw std::runtime_error("icon size must be a multiple of the board's side");
    }
    const int cell = size / side_;
    // The grid line is one pixel at small sizes and grows to an eighth of a cell.
    const int line = std::max(1, cell / 8);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size, kGrid);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool onGrid = x % cell >= cell - line || y % cell >= cell - line ||
                                (line > 1 && (x < line || y < line));
            if (!onGrid) {
                pixels[static_cast<std::size_t>(y) * size + x] =
                    tiles_[static_cast<std::size_t>(y / cell) * side_ + x / cell];
            }
        }
    }
    return pixels;
}

std::vector<std::uint8_t> IconBoard::renderMonochrome(int size) const {
    std::vector<std::uint8_t> pixels = render(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            auto& pixel = pixels[static_cast<std::size_t>(y) * size + x];
            if (pixel == kGrid) {
                continue;  // the grid (and any black tile) stays black
            }
            pixel = isDark(pixel) && (x + y) % 2 == 0 ? 0 : 1;
        }
    }
    return pixels;
}

}  // namespace tinzel::icon
