// Painting the board's squares in the window's client area.
#include "ui/win32/board_painting.h"

#include "ui/form_look.h"

namespace tinzel::win32 {

void paintBoard(HDC context, const RECT& dirty, const FormModel* model, Brushes& brushes,
                const std::function<RECT(const design::TwipsRect&)>& pixels) {
    FillRect(context, &dirty, brushes.of(design::kBackColor));
    for (int index = 0; model != nullptr && index <= model->lastIndex(ControlArray::Square);
         ++index) {
        if (!model->exists(ControlArray::Square, index)) {
            continue;
        }
        const Element& square = model->element(ControlArray::Square, index);
        const RECT area = pixels(square.rect);
        RECT overlap;
        if (square.visible && IntersectRect(&overlap, &area, &dirty)) {
            // The border, then the colour inside it: the frame's pixels in two fills.
            FillRect(context, &area, brushes.of(look::kSquareBorderColor));
            RECT inside = area;
            InflateRect(&inside, -look::kSquareBorderWidth, -look::kSquareBorderWidth);
            FillRect(context, &inside, brushes.of(square.backColor));
        }
    }
}

}  // namespace tinzel::win32
