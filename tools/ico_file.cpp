// Packing palette images into a Windows icon file, byte by byte.
#include "tools/ico_file.h"

#include <stdexcept>

namespace tinzel::icon {

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
}

// Bitmap rows are padded to whole 32-bit words.
std::size_t rowBytes(int width, int bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// The image as an icon stores it: a bitmap header of double height (colour rows, then the
// transparency mask), the palette, the colour rows bottom-up, then the all-opaque mask.
std::vector<std::uint8_t> encodeImage(const PaletteImage& image) {
    const int bits = image.bitsPerPixel;
    if ((bits != 1 && bits != 4 && bits != 8) || image.palette.size() > (1u << bits) ||
        image.pixels.size() != static_cast<std::size_t>(image.size * image.size)) {
        throw std::invalid_argument("icon image does not fit its bit depth");
    }
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(image.size));
    put32(out, static_cast<std::uint32_t>(image.size * 2));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bits));
    put32(out, 0);  // no compression
    const std::size_t colorRow = rowBytes(image.size, bits);
    const std::size_t maskRow = rowBytes(image.size, 1);
    put32(out, static_cast<std::uint32_t>((colorRow + maskRow) * image.size));
    put32(out, 0);
    put32(out, 0);
    put32(out, 1u << bits);
    put32(out, 0);
    for (std::size_t entry = 0; entry < (1u << bits); ++entry) {
        const Rgb color = entry < image.palette.size() ? image.palette[entry] : Rgb{0, 0, 0};
        out.insert(out.end(), {color.blue, color.green, color.red, 0});
    }
    for (int y = image.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(colorRow, 0);
        for (int x = 0; x < image.size; ++x) {
            const unsigned index = image.pixels[static_cast<std::size_t>(y * image.size + x)];
            if (index >= image.palette.size()) {
                throw std::invalid_argument("icon pixel outside its palette");
            }
            const int bit = x * bits;
            row[static_cast<std::size_t>(bit / 8)] |=
                static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    out.insert(out.end(), maskRow * static_cast<std::size_t>(image.size), 0);
    return out;
}

}  // namespace

std::vector<std::uint8_t> encodeIco(const std::vector<PaletteImage>& images) {
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<unsigned>(images.size()));
    std::vector<std::vector<std::uint8_t>> encoded;
    for (const PaletteImage& image : images) {
        encoded.push_back(encodeImage(image));
    }
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const PaletteImage& image = images[i];
        out.push_back(static_cast<std::uint8_t>(image.size >= 256 ? 0 : image.size));
        out.push_back(static_cast<std::uint8_t>(image.size >= 256 ? 0 : image.size));
        out.push_back(
            static_cast<std::uint8_t>(image.bitsPerPixel >= 8 ? 0 : 1u << image.bitsPerPixel));
        out.push_back(0);
        put16(out, 1);
        put16(out, static_cast<unsigned>(image.bitsPerPixel));
        put32(out, static_cast<std::uint32_t>(encoded[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const auto& bytes : encoded) {
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

}  // namespace tinzel::icon
