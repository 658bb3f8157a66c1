// How a round's changes reach a front end's controls: the front end does each step in its
// toolkit's terms, and applyRound decides, once for every window, which steps a round takes
// and in what order.
#pragma once

#include <string_view>

#include "game/color_value.h"
#include "game/controls.h"
#include "ui/form_changes.h"
#include "ui/form_design.h"
#include "ui/form_model.h"

namespace tinzel {

class ControlSink {
  public:
    virtual ~ControlSink() = default;

    // The design's labels, each made once, at the first render, in the design's order
    // (Losses, Label2, Wins) and after colour button 0. A score label sets `caption` in the
    // score font; Label2 is a line of no meaning that assistive technology is not told of.
    virtual void makeScore(ScoreLabel label, const design::TwipsRect& rect,
                           std::string_view caption) = 0;
    virtual void makeLabel2(const design::TwipsRect& rect, std::string_view caption) = 0;
    // A score label's caption changed.
    virtual void setCaption(ScoreLabel label, std::string_view caption) = 0;

    // Colour button `index`: made hidden the first time a render has it, and kept to the end.
    virtual bool hasButton(int index) const = 0;
    virtual void makeButton(int index) = 0;
    virtual void placeButton(int index, const design::TwipsRect& rect) = 0;
    // Its colour, and its name for assistive technology (FormModel::accessibleName).
    virtual void fillButton(int index, ColorValue color, std::string_view name) = 0;
    virtual void showButton(int index, bool shown) = 0;

    // Buttons were made this render: where a button and a label overlap, the button is the
    // one seen and clicked. The buttons keep their own order, which Tab walks.
    virtual void putLabelsUnderButtons() = 0;
};

// Takes the controls that show `model` as `changes` say (ui/form_changes.h): the design's
// controls at the first render, the captions that changed, and every button that appeared,
// vanished, moved or changed colour. The squares are the board's to draw.
void applyRound(const FormModel& model, const FormChanges& changes, ControlSink& sink);

}  // namespace tinzel
