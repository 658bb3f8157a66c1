// What the page's script (form1_page.js, an emscripten JavaScript library) does for the C++
// side. Rectangles are CSS pixels from the panel's top-left corner; colours are 0xRRGGBB;
// texts are UTF-8. The structs are read field by field in this order by the script, which
// names their fields: every field is 32 bits (a pointer is, in WebAssembly's 32-bit memory).
#pragma once

#include <cstddef>

extern "C" {

enum PageLabel { kPageLosses = 0, kPageLabel2 = 1, kPageWins = 2 };

// The panel's size and colour, and the colour buttons' look, which the style sheet takes
// from here: their edge colour and focus ring inset (pixels).
struct PageLook {
    int width;
    int height;
    int backColor;
    int edgeColor;
    int ringInset;
};

struct PageRect {
    int left;
    int top;
    int right;
    int bottom;
};

// A square sits at `row` and `column` of the board (from 1), which place it among the cells.
struct PageSquare {
    PageRect rect;
    int row;
    int column;
    int color;
    int visible;
    const char* name;
};

// A colour button carries `ringColor` for its focus ring.
struct PageButton {
    PageRect rect;
    int color;
    int ringColor;
    int visible;
    const char* name;
};

// The first render: the panel's size and look.
void tinzel_page_load(const PageLook* look);
// A label; a score label's text is set at `fontSize` CSS pixels (0 for the default font).
void tinzel_page_label(PageLabel label, const PageRect* rect, const char* caption, double fontSize);
void tinzel_page_caption(PageLabel label, const char* caption, double fontSize);
// Creates or updates one square or colour button.
void tinzel_page_square(int index, const PageSquare* square);
void tinzel_page_button(int index, const PageButton* button);
// Square or colour button `index` is gone from the window: it is never seen again.
void tinzel_page_vanish(int isButton, int index);
void tinzel_page_show(int shown);
int tinzel_page_focused_button();
void tinzel_page_focus_button(int index);
void tinzel_page_message(const char* text, int isError);
void tinzel_page_finished(int exitStatus);
}

// The script reads each struct as consecutive 32-bit fields.
static_assert(sizeof(PageLook) == 5 * 4 && sizeof(PageRect) == 4 * 4);
static_assert(offsetof(PageSquare, name) == 8 * 4 && sizeof(PageSquare) == 9 * 4);
static_assert(offsetof(PageButton, name) == 7 * 4 && sizeof(PageButton) == 8 * 4);
