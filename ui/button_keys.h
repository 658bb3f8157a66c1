// What a key does on the focused colour button, on every window: Up and Down move the focus
// along the column (holding one walks it), and Enter answers as Space does, once a press. The
// front end translates its toolkit's key into a ButtonKey and carries out the action.
#pragma once

#include "ui/fresh_presses.h"

namespace tinzel {

enum class ButtonKey { Up, Down, Enter, Other };

enum class ButtonKeyAction {
    PassOn,    // not the game's key: the toolkit's own handling takes it (Space, Tab)
    StepUp,    // the focus goes to FormModel::neighbourButton(index, -1)
    StepDown,  // and to neighbourButton(index, +1)
    Answer,    // the button is clicked
    Nothing,   // Enter held down: it has answered once already
};

// The step neighbourButton takes for a StepUp or StepDown, and 0 for anything else.
constexpr int focusStep(ButtonKeyAction action) {
    return action == ButtonKeyAction::StepUp ? -1 : action == ButtonKeyAction::StepDown ? 1 : 0;
}

class ButtonKeys {
  public:
    // `key` went down on a colour button; `autoRepeat` when the keyboard repeats a key held.
    ButtonKeyAction pressed(ButtonKey key, bool autoRepeat) {
        switch (key) {
            case ButtonKey::Up:
                return ButtonKeyAction::StepUp;
            case ButtonKey::Down:
                return ButtonKeyAction::StepDown;
            case ButtonKey::Enter:
                return enter_.down(kEnter, autoRepeat) ? ButtonKeyAction::Answer
                                                       : ButtonKeyAction::Nothing;
            case ButtonKey::Other:
                break;
        }
        return ButtonKeyAction::PassOn;
    }

    // `key` came up: Enter may answer again at its next press.
    void released(ButtonKey key) {
        if (key == ButtonKey::Enter) {
            enter_.up(kEnter);
        }
    }

  private:
    static constexpr int kEnter = 0;
    FreshPresses enter_;
};

}  // namespace tinzel
