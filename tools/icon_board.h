// The game's icon as a board of tiles, read from its text source and drawn at any size.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tinzel::icon {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The classic 16-colour palette; the icon uses nothing else, so its 16-colour images are
// exact copies of the true-colour ones.
extern const std::array<Rgb, 16> kClassicPalette;

class IconBoard {
  public:
    // Reads the board from its text source; throws std::runtime_error on a malformed one.
    static IconBoard fromText(const std::string& text);
    // The same, from a file; throws std::runtime_error if it cannot be read.
    static IconBoard fromFile(const std::string& path);

    // The icon at `size` × `size` pixels (a multiple of the board's side), one index into
    // the classic palette per pixel, row by row from the top.
    std::vector<std::uint8_t> render(int size) const;

    // The two-colour picture: black grid, white tiles, dark tiles hatched. 0 black, 1 white.
    std::vector<std::uint8_t> renderMonochrome(int size) const;

    // The picture render(size) draws, as an SVG document of size × size units that scales
    // to any size: a black square and a rectangle for each tile.
    std::string svg(int size) const;

    int side() const { return side_; }

  private:
    struct Box {
        int left, top, right, bottom;
    };
    // Where the tile at `column`, `row` lies in the icon at `size`, inside the grid lines.
    Box tileBox(int column, int row, int size) const;

    int side_ = 0;
    std::vector<std::uint8_t> tiles_;
};

}  // namespace tinzel::icon
