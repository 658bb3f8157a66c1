// One load of the window Form1 as data, free of any toolkit: the score labels' captions and
// the two control arrays, each element with its rectangle in twips, colour and visibility.
// Every front end renders this; none keeps a copy of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/color_value.h"
#include "game/controls.h"
#include "ui/form_design.h"

namespace tinzel {

struct Element {
    design::TwipsRect rect;
    ColorValue backColor;
    bool visible;
};

class FormModel {
  public:
    // The window as it loads: the design-time controls with their design settings.
    FormModel();

    const std::string& caption(ScoreLabel label) const;
    void setCaption(ScoreLabel label, std::string_view text);

    // Element `index` (1 or more) of `array` as a copy of element 0, hidden. Creating one
    // that exists already, or one below 1, is a failing window operation (GameError).
    void createElement(ControlArray array, int index);

    // The window operations on one element; one that does not exist is a failing operation.
    // Set Top and Set Left move one edge, keeping the size.
    void setTop(ControlArray array, int index, int twips);
    void setLeft(ControlArray array, int index, int twips);
    void setVisible(ControlArray array, int index, bool visible);
    void setBackColor(ControlArray array, int index, ColorValue color);

    bool exists(ControlArray array, int index) const;
    const Element& element(ControlArray array, int index) const;
    int elementCount(ControlArray array) const;
    // The highest index an element of `array` may have now, for walking the array in order.
    int lastIndex(ControlArray array) const;

    // What assistive tools call colour button `index`: its colour's name.
    std::string accessibleName(int index) const;

    // Where Up (-1) and Down (+1) take the focus from colour button `index`: the next shown
    // button that way, or `index` itself at either end of the column.
    int neighbourButton(int index, int step) const;

  private:
    std::vector<std::optional<Element>>& elements(ControlArray array);
    const std::vector<std::optional<Element>>& elements(ControlArray array) const;
    Element& existing(ControlArray array, int index);

    std::string wins_;
    std::string losses_;
    std::vector<std::optional<Element>> squares_;
    std::vector<std::optional<Element>> buttons_;
};

// "Square(7)", "Color(3)": how the window's errors name an element.
std::string elementName(ControlArray array, int index);

}  // namespace tinzel
