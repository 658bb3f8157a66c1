// How the window paints what it draws itself: the board's squares and the owner-drawn
// colour buttons.
#include "game/palette.h"
#include "ui/win32/win32_window.h"

namespace tinzel::win32 {

HBRUSH Win32Window::brush(ColorValue color) {
    auto found = brushes_.find(color);
    if (found == brushes_.end()) {
        found = brushes_.emplace(color, CreateSolidBrush(static_cast<COLORREF>(color))).first;
    }
    return found->second;
}

void Win32Window::paint() {
    PAINTSTRUCT painting;
    HDC context = BeginPaint(frame_, &painting);
    FillRect(context, &painting.rcPaint, brush(design::kBackColor));
    HBRUSH border = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (int index = 0; model_ != nullptr && index <= model_->lastIndex(ControlArray::Square);
         ++index) {
        if (!model_->exists(ControlArray::Square, index)) {
            continue;
        }
        const Element& square = model_->element(ControlArray::Square, index);
        const RECT area = pixels(square.rect);
        RECT overlap;
        if (square.visible && IntersectRect(&overlap, &area, &painting.rcPaint)) {
            FillRect(context, &area, brush(square.backColor));
            FrameRect(context, &area, border);
        }
    }
    EndPaint(frame_, &painting);
}

void Win32Window::drawButton(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.CtlID) - kFirstButtonId;
    const ColorValue color = model_ != nullptr && model_->exists(ControlArray::Color, index)
                                 ? model_->element(ControlArray::Color, index).backColor
                                 : Palette[0];
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, brush(color));
    FrameRect(item.hDC, &area, brush(design::kButtonEdgeColor));
    if ((item.itemState & ODS_SELECTED) != 0) {
        InflateRect(&area, -1, -1);
        FrameRect(item.hDC, &area, brush(design::kButtonEdgeColor));
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        // Drawn by inverting, so it shows on every colour of the palette.
        RECT ring = item.rcItem;
        InflateRect(&ring, -design::kFocusRingInset, -design::kFocusRingInset);
        DrawFocusRect(item.hDC, &ring);
    }
}

}  // namespace tinzel::win32
