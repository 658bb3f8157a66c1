// Judging a window's pixels: where the board, the buttons and the scores are, and what they show.
#include "tests/scenarios/screen.h"

#include <algorithm>
#include <cstdlib>

#include "game/counts.h"
#include "tests/scenarios/window_places.h"

namespace tinzel::testing {

namespace {

int grey(std::uint32_t rgb) {
    return static_cast<int>(
        (((rgb >> 16) & 255) * 30 + ((rgb >> 8) & 255) * 59 + (rgb & 255) * 11) / 100);
}

bool dark(std::uint32_t rgb) {
    return grey(rgb) < 128;
}

bool black(std::uint32_t rgb) {
    return ((rgb >> 16) & 255) < 48 && ((rgb >> 8) & 255) < 48 && (rgb & 255) < 48;
}

// How far apart two colours are, in their most different channel.
int distance(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (int shift : {0, 8, 16}) {
        most = std::max(most, std::abs(static_cast<int>((a >> shift) & 255) -
                                       static_cast<int>((b >> shift) & 255)));
    }
    return most;
}

std::uint32_t pixelAt(const Capture& screen, TwipsPoint place) {
    const PixelPoint point = pixelsAt(place, screen.width, screen.height);
    return screen.at(std::min(point.x, screen.width - 1), std::min(point.y, screen.height - 1));
}

// A character of the label may differ from the text's in at most this share of its ink.
constexpr double kMostDifference = 0.2;

// Which pixels of an image are dark, and the box around them.
struct Ink {
    const Capture* image;
    PixelBox box;

    bool dark(int x, int y) const {
        return x >= 0 && y >= 0 && x < image->width && y < image->height &&
               tinzel::testing::dark(image->at(x, y));
    }
};

Ink inkOf(const Capture& image, const PixelBox& area) {
    PixelBox box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (dark(image.at(x, y))) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
    }
    return {&image, box};
}

}  // namespace

ColorValue colorOf(std::uint32_t rgb) {
    return packColor(static_cast<int>((rgb >> 16) & 255), static_cast<int>((rgb >> 8) & 255),
                     static_cast<int>(rgb & 255));
}

PixelBox boxOf(const Capture& screen, const design::TwipsRect& twips) {
    const PixelPoint from = pixelsAt({twips.left, twips.top}, screen.width, screen.height);
    const PixelPoint to =
        pixelsAt({twips.left + twips.width, twips.top + twips.height}, screen.width, screen.height);
    return {from.x, from.y, std::min(to.x, screen.width), std::min(to.y, screen.height)};
}

BoardColours readBoard(const Capture& screen) {
    BoardColours shown;
    for (int index = 1; index <= kSquareCount; ++index) {
        shown.squares.push_back(colorOf(pixelAt(screen, squareCentre(index))));
    }
    for (int index = 0; index < kButtonCount; ++index) {
        shown.buttons.push_back(colorOf(pixelAt(screen, buttonCentre(index))));
    }
    return shown;
}

std::vector<int> squaresWithoutBorder(const Capture& screen) {
    std::vector<int> bare;
    for (int index = 1; index <= kSquareCount; ++index) {
        const TwipsPoint centre = squareCentre(index);
        const TwipsPoint edge{centre.x - design::kSquare.width / 2, centre.y};
        const std::uint32_t inside = pixelAt(screen, centre);
        const bool left = (index - 1) % kBoardSide == 0;
        const std::uint32_t neighbour =
            left ? inside : pixelAt(screen, {centre.x - design::kSquare.width, centre.y});
        if (black(inside) && black(neighbour)) {
            continue;
        }
        const PixelPoint at = pixelsAt(edge, screen.width, screen.height);
        bool framed = false;
        for (int x = std::max(0, at.x - 1); x <= std::min(screen.width - 1, at.x + 1); ++x) {
            framed = framed || black(screen.at(x, at.y));
        }
        if (!framed) {
            bare.push_back(index);
        }
    }
    return bare;
}

int ringPixels(const Capture& screen, int index) {
    const design::TwipsRect twips{design::kColorButton.left, design::kColorButton.height * index,
                                  design::kColorButton.width, design::kColorButton.height};
    const PixelBox box = boxOf(screen, twips);
    // Clear of the button's edge, one or two pixels wide, and of its neighbours'.
    constexpr int kClear = 3;
    const std::uint32_t fill = pixelAt(screen, buttonCentre(index));
    int standing = 0;
    for (int y = box.top + kClear; y < box.bottom - kClear; ++y) {
        for (int x = box.left + kClear; x < box.right - kClear; ++x) {
            standing += distance(screen.at(x, y), fill) > 96 ? 1 : 0;
        }
    }
    return standing;
}

TextMatch matchText(const Capture& screen, const design::TwipsRect& label, const Capture& drawn,
                    std::size_t characters) {
    PixelBox inside = boxOf(screen, label);
    // Inside the frame as drawn: its lines can be thicker than a pixel on a dense screen.
    const int middle = (inside.left + inside.right) / 2;
    while (inside.top < inside.bottom && dark(screen.at(middle, inside.top))) {
        ++inside.top;
    }
    while (inside.bottom > inside.top && dark(screen.at(middle, inside.bottom - 1))) {
        --inside.bottom;
    }
    while (inside.left < inside.right && dark(screen.at(inside.left, inside.top))) {
        ++inside.left;
    }
    while (inside.right > inside.left && dark(screen.at(inside.right - 1, inside.top))) {
        --inside.right;
    }
    const Ink shown = inkOf(screen, inside);
    const Ink wanted = inkOf(drawn, {0, 0, drawn.width, drawn.height});
    TextMatch match;
    match.detail = "ink " + std::to_string(shown.box.right - shown.box.left) + " x " +
                   std::to_string(shown.box.bottom - shown.box.top) + " at " +
                   std::to_string(shown.box.left - inside.left) + " in the label, the text's " +
                   std::to_string(wanted.box.right - wanted.box.left) + " x " +
                   std::to_string(wanted.box.bottom - wanted.box.top);
    const int width = wanted.box.right - wanted.box.left;
    const int height = wanted.box.bottom - wanted.box.top;
    if (shown.box.right <= shown.box.left || width <= 0 || characters == 0 ||
        std::abs(shown.box.right - shown.box.left - width) > 1 ||
        std::abs(shown.box.bottom - shown.box.top - height) > 1 ||
        shown.box.right >= inside.right) {
        return match;
    }
    // Character by character (the face is monospaced), the label's ink is the text's, each
    // character laid over the other where they agree best: a character set at a fraction of
    // a pixel may fall a pixel either way.
    double worst = 0;
    const int cell = std::max(1, width / static_cast<int>(characters));
    for (int from = 0; from < width; from += cell) {
        const int to = std::min(width, from + cell);
        int ink = 0;
        int best = -1;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                int differ = 0;
                ink = 0;
                for (int y = 0; y < height; ++y) {
                    for (int x = from; x < to; ++x) {
                        const bool there = wanted.dark(wanted.box.left + x, wanted.box.top + y);
                        ink += there ? 1 : 0;
                        differ +=
                            there != shown.dark(shown.box.left + x + dx, shown.box.top + y + dy)
                                ? 1
                                : 0;
                    }
                }
                best = best < 0 ? differ : std::min(best, differ);
            }
        }
        worst = std::max(worst, static_cast<double>(best) / std::max(1, ink));
    }
    match.matches = worst <= kMostDifference;
    match.detail += "; the worst character differs in " +
                    std::to_string(static_cast<int>(worst * 100)) + " % of its ink";
    return match;
}

}  // namespace tinzel::testing
