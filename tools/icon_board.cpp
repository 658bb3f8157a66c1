// Reading the icon's tile board from its text, and drawing it at a size.
#include "tools/icon_board.h"

#include <algorithm>
#include <cstdio>
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

IconBoard::Box IconBoard::tileBox(int column, int row, int size) const {
    if (side_ == 0 || size % side_ != 0) {
        throw std::runtime_error("icon size must be a multiple of the board's side");
    }
    const int cell = size / side_;
    // The grid line is one pixel at small sizes and grows to an eighth of a cell; once it is
    // wider than a pixel it also borders the icon's top and left.
    const int line = std::max(1, cell / 8);
    const int border = line > 1 ? line : 0;
    return {std::max(column * cell, border), std::max(row * cell, border),
            (column + 1) * cell - line, (row + 1) * cell - line};
}

std::vector<std::uint8_t> IconBoard::render(int size) const {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size, kGrid);
    for (int row = 0; row < side_; ++row) {
        for (int column = 0; column < side_; ++column) {
            const Box box = tileBox(column, row, size);
            const std::uint8_t tile = tiles_[static_cast<std::size_t>(row) * side_ + column];
            for (int y = box.top; y < box.bottom; ++y) {
                std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * size + box.left,
                            box.right - box.left, tile);
            }
        }
    }
    return pixels;
}

std::string IconBoard::svg(int size) const {
    const auto number = [](int value) { return std::to_string(value); };
    // A size of its own as well as its view box: a browser that installs the page as an
    // application draws its icon at the picture's own size, and without one draws none.
    const std::string side = number(size);
    std::string text = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + side +
                       "\" height=\"" + side + "\" viewBox=\"0 0 " + side + " " + side +
                       "\"><rect width=\"" + side + "\" height=\"" + side + "\"/>";
    for (int row = 0; row < side_; ++row) {
        for (int column = 0; column < side_; ++column) {
            const Box box = tileBox(column, row, size);
            const Rgb& color =
                kClassicPalette[tiles_[static_cast<std::size_t>(row) * side_ + column]];
            char fill[8];
            std::snprintf(fill, sizeof fill, "#%02x%02x%02x", color.red, color.green, color.blue);
            text += "<rect x=\"" + number(box.left) + "\" y=\"" + number(box.top) + "\" width=\"" +
                    number(box.right - box.left) + "\" height=\"" + number(box.bottom - box.top) +
                    "\" fill=\"" + fill + "\"/>";
        }
    }
    return text + "</svg>\n";
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
