// What changed on the window since a front end last drew it, worked out once here from the
// model it drew and the model now: every front end applies the same changes, and none works
// them out again in its own terms.
#pragma once

#include <vector>

#include "game/controls.h"
#include "ui/form_design.h"
#include "ui/form_model.h"

namespace tinzel {

// What changed on one element, as bits. A front end draws only shown elements: one that is
// hidden, or does not exist, is nothing to draw, and its changes are none of the view's.
enum ElementChange : unsigned {
    kAppeared = 1U << 0,    // shown now, not at the last render: made or shown, and set whole
    kVanished = 1U << 1,    // shown at the last render, not now: it must not be seen again
    kMoved = 1U << 2,       // shown at both, and its rectangle changed
    kRecoloured = 1U << 3,  // shown at both, and its colour changed, and with it its name
};

struct ChangedElement {
    int index;
    unsigned changes;  // ElementChange bits
    // Where it was drawn last, for a front end that repaints what an element moved off; its
    // rectangle now when it has just appeared.
    design::TwipsRect before;
};

struct FormChanges {
    // Nothing had been drawn: the design-time controls are new too.
    bool first = false;
    bool winsCaption = false;
    bool lossesCaption = false;
    // In index order.
    std::vector<ChangedElement> squares;
    std::vector<ChangedElement> buttons;

    bool captionChanged(ScoreLabel label) const {
        return label == ScoreLabel::Wins ? winsCaption : lossesCaption;
    }
    const std::vector<ChangedElement>& elements(ControlArray array) const {
        return array == ControlArray::Square ? squares : buttons;
    }
    bool empty() const {
        return !first && !winsCaption && !lossesCaption && squares.empty() && buttons.empty();
    }
};

// What takes a window that shows `drawn` (nothing yet, when null) to `now`.
FormChanges changesBetween(const FormModel* drawn, const FormModel& now);

// What a window that paints the board itself repaints after a render: the one rectangle
// around where each changed square was drawn and where it is in `now` (a region of a hundred
// pieces costs more to paint than their whole). Zero-sized when no square changed.
design::TwipsRect boardArea(const FormChanges& changes, const FormModel& now);

}  // namespace tinzel
