// What the page's script (form1_page.js) does for the C++ side. Rectangles are CSS pixels
// from the panel's top-left corner; colours are 0xRRGGBB; texts are UTF-8.
#pragma once

extern "C" {

enum PageLabel { kPageLosses = 0, kPageLabel2 = 1, kPageWins = 2 };

// A new, empty panel with its design-time labels; the panel stays hidden.
void tinzel_page_load(int width, int height, int backColor);
void tinzel_page_label(int label, int left, int top, int right, int bottom, const char* caption);
void tinzel_page_caption(int label, const char* caption);
// Creates or updates one square or colour button. A square sits at `row` and `column` of
// the board (from 1), which order it among the cells; a button carries `ringColor` for its
// focus ring.
void tinzel_page_square(int index, int left, int top, int right, int bottom, int color,
                        const char* name, int row, int column, int visible);
void tinzel_page_button(int index, int left, int top, int right, int bottom, int color,
                        int ringColor, const char* name, int visible);
// Removes the panel's controls from the page.
void tinzel_page_unload();
void tinzel_page_show(int shown);
int tinzel_page_focused_button();
void tinzel_page_focus_button(int index);
void tinzel_page_message(const char* text, int isError);
void tinzel_page_finished(int exitStatus);
}
