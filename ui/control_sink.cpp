// The steps a round takes on the controls, the same on every window.
#include "ui/control_sink.h"

namespace tinzel {

namespace {

// Returns whether the button had to be made.
bool applyButton(const FormModel& model, const ChangedElement& changed, ControlSink& sink) {
    const int index = changed.index;
    if ((changed.changes & kVanished) != 0) {
        if (sink.hasButton(index)) {
            sink.showButton(index, false);
        }
        return false;
    }
    const bool made = !sink.hasButton(index);
    if (made) {
        sink.makeButton(index);
    }
    const Element& element = model.element(ControlArray::Color, index);
    if ((changed.changes & (kAppeared | kMoved)) != 0) {
        sink.placeButton(index, element.rect);
    }
    if ((changed.changes & (kAppeared | kRecoloured)) != 0) {
        sink.fillButton(index, element.backColor, model.accessibleName(index));
    }
    if ((changed.changes & kAppeared) != 0) {
        sink.showButton(index, true);
    }
    return made;
}

}  // namespace

void applyRound(const FormModel& model, const FormChanges& changes, ControlSink& sink) {
    bool buttonMade = false;
    if (changes.first) {
        sink.makeButton(0);
        buttonMade = true;
        sink.makeScore(ScoreLabel::Losses, design::scoreRect(ScoreLabel::Losses),
                       model.caption(ScoreLabel::Losses));
        sink.makeLabel2(design::kLabel2, design::kLabel2Caption);
        sink.makeScore(ScoreLabel::Wins, design::scoreRect(ScoreLabel::Wins),
                       model.caption(ScoreLabel::Wins));
    } else {
        for (const ScoreLabel label : {ScoreLabel::Losses, ScoreLabel::Wins}) {
            if (changes.captionChanged(label)) {
                sink.setCaption(label, model.caption(label));
            }
        }
    }
    // In index order, the order Tab walks.
    for (const ChangedElement& changed : changes.buttons) {
        buttonMade = applyButton(model, changed, sink) || buttonMade;
    }
    if (buttonMade) {
        sink.putLabelsUnderButtons();
    }
}

}  // namespace tinzel
