// What a front end implements: how the window Form1 is shown on one toolkit. The toolkit-free
// FormRuntime (ui/form_runtime.h) decides everything else and calls these to show it.
#pragma once

#include <string_view>

#include "game/controls.h"
#include "ui/form_changes.h"
#include "ui/form_design.h"
#include "ui/form_model.h"

namespace tinzel {

class FormView {
  public:
    virtual ~FormView() = default;

    // Draws `model`, which differs from what the view drew last as `changes` say: the whole
    // round when the window is shown after a load, or a change made while it is shown. The
    // view applies each change in its toolkit's terms and works out none of its own. `model`
    // lives until `unloaded()`; the view reads it, never changes it, and keeps no copy of its
    // state.
    virtual void render(const FormModel& model, const FormChanges& changes) = 0;

    // The load is over, and its model with it. Called from inside the click of one of its
    // buttons: the view keeps its controls for the next render to write over, and draws
    // nothing until then, so nothing of this load is seen again.
    virtual void unloaded() = 0;

    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;

    // Tells a screen reader `news` (ui/round_news.h) politely, as it would a status line:
    // after an answer, once its round is drawn and focused, and before the end message. It
    // moves no focus and changes nothing the player sees.
    virtual void announce(std::string_view news) = 0;

    // The colour button that holds the keyboard focus, or -1; and giving it to one.
    virtual int focusedButton() const = 0;
    virtual void focusButton(int index) = 0;

    // A modal message with one OK button, titled with the application title; `isError` asks
    // for the error report's look (an error icon) instead of the game's plain one. Returns
    // when the player dismisses it; where the toolkit cannot wait (the browser), it may
    // return at once, provided nothing that follows shows until the player dismisses it.
    virtual void showMessage(std::string_view text, bool isError) = 0;

    // The game is over, with this exit status; the window is already hidden. Called once.
    virtual void finished(int exitStatus) = 0;
};

}  // namespace tinzel
