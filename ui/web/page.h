// What the page's script (form1_page.js) does for the C++ side. Rectangles are CSS pixels
// from the panel's top-left corner; colours are 0xRRGGBB; texts are UTF-8.
#pragma once

extern "C" {

enum PageLabel { kPageLosses = 0, kPageLabel2 = 1, kPageWins = 2 };

// A new, empty panel with its design-time labels; the panel stays hidden. `edgeColor` and
// `ringInset` (pixels) are the colour buttons' look, which the style sheet takes from here.
void tinzel_page_load(int width, int height, int backColor, int edgeColor, int ringInset);
// A label; a score label's text is set at `fontSize` CSS pixels (0 for the default font).
void tinzel_page_label(int label, int left, int top, int right, int bottom, const char* caption,
                       double fontSize);
void tinzel_page_caption(int label, const char* caption, double fontSize);
// How wide `text` is in the score font at `fontSize` CSS pixels, with the score label's indent.
double tinzel_page_score_width(const char* text, double fontSize);
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
