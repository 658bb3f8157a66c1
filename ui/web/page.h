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

// What a render does to a colour button, as bits: the steps of ui/control_sink.h.
enum PageButtonStep : unsigned {
    kPageMake = 1U << 0,
    kPagePlace = 1U << 1,
    kPageFill = 1U << 2,
    kPageShow = 1U << 3,
    kPageHide = 1U << 4,
};

// One square's changes in a round, as ElementChange bits (ui/form_changes.h), or one colour
// button's steps, as PageButtonStep bits; with what they need: the rectangle when it appeared,
// moved or is placed, and the colour (a button's focus ring colour too) when it appeared,
// changed colour or is filled. A square sits at `row` and `column` of the board (from 1),
// which place it among the cells.
struct PageElement {
    int index;
    unsigned changes;
    PageRect rect;
    int row;
    int column;
    int color;
    int ringColor;
};

// A round's changed squares and buttons, each in index order, and the names of the squares
// that appeared or changed colour and of the buttons filled, in the same order (squares,
// then buttons), one a line.
struct PageRound {
    int squareCount;
    const PageElement* squares;
    int buttonCount;
    const PageElement* buttons;
    const char* names;
};

// The first render: the panel's size and look.
void tinzel_page_load(const PageLook* look);
// A label; a score label's text is set at `fontSize` CSS pixels (0 for the default font).
void tinzel_page_label(PageLabel label, const PageRect* rect, const char* caption, double fontSize);
void tinzel_page_caption(PageLabel label, const char* caption, double fontSize);
// Every square and colour button that changed, in one call a round: the page's script then
// runs one loop, which the browser soon compiles, not a hundred calls into it.
void tinzel_page_render(const PageRound* round);
void tinzel_page_show(int shown);
int tinzel_page_focused_button();
void tinzel_page_focus_button(int index);
void tinzel_page_message(const char* text, int isError);
// A round's news, told politely by the page's status region.
void tinzel_page_announce(const char* news);
void tinzel_page_finished(int exitStatus);
}

// The script reads each struct as consecutive 32-bit fields.
static_assert(sizeof(PageLook) == 5 * 4 && sizeof(PageRect) == 4 * 4);
static_assert(sizeof(PageElement) == 10 * 4 && sizeof(PageRound) == 5 * 4);
