// What a front end implements: how the window Form1 is shown on one toolkit. The toolkit-free
// FormRuntime (ui/form_runtime.h) decides everything else and calls these to show it.
#pragma once

#include <string_view>

#include "game/controls.h"
#include "ui/form_design.h"
#include "ui/form_model.h"

namespace tinzel {

class FormView {
  public:
    virtual ~FormView() = default;

    // A load has begun: show the design-time elements of `model` on the window's controls,
    // made now or kept from an earlier load, and keep the window hidden. `model` lives until
    // `unloaded()`; the view reads it, never changes it, and keeps no copy of its state.
    virtual void loaded(const FormModel& model) = 0;

    // Element `index` of `array` was created or changed as `change` says; `before` is its
    // rectangle before a move (for what to repaint).
    virtual void elementChanged(ControlArray array, int index, ElementChange change,
                                const design::TwipsRect& before) = 0;
    virtual void captionChanged(ScoreLabel label) = 0;

    // The load is over. Called from inside the click of one of its buttons: the view may
    // free its controls once that click returns, or keep them for the next load to write
    // over, as long as nothing of this load is seen again.
    virtual void unloaded() = 0;

    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;

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
