// Writes Windows icon files with palette images of 1, 4 or 8 bits a pixel, which common image
// tools do not write.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/icon_board.h"

namespace tinzel::icon {

struct PaletteImage {
    int size;                          // width and height in pixels
    int bitsPerPixel;                  // 1, 4 or 8
    std::vector<Rgb> palette;          // at most 2^bitsPerPixel colours
    std::vector<std::uint8_t> pixels;  // palette indices, row by row from the top
};

// The bytes of an .ico file holding `images` in order, every pixel opaque.
std::vector<std::uint8_t> encodeIco(const std::vector<PaletteImage>& images);

}  // namespace tinzel::icon
