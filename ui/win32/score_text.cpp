// Drawing a score's caption one character at a place.
#include "ui/win32/score_text.h"

#include <cmath>
#include <vector>

#include "ui/form_look.h"

namespace tinzel::win32 {

void drawScoreText(HDC context, HFONT font, double advance, const RECT& inside,
                   const std::wstring& text, COLORREF ink) {
    const std::vector<int> places = look::scorePlaces(text.size() + 1, advance);
    std::vector<INT> steps;
    for (std::size_t k = 0; k < text.size(); ++k) {
        steps.push_back(places[k + 1] - places[k]);
    }
    const int indent = static_cast<int>(std::lround(look::kScoreIndentInAdvances * advance));
    const HGDIOBJ previous = SelectObject(context, font);
    SetBkMode(context, TRANSPARENT);
    SetTextColor(context, ink);
    SetTextAlign(context, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ExtTextOutW(context, inside.left + indent, inside.top, ETO_CLIPPED, &inside, text.c_str(),
                static_cast<UINT>(text.size()), steps.data());
    SelectObject(context, previous);
}

}  // namespace tinzel::win32
