// What the game asks of its runtime: the window, the clock and the end of the program. The
// game calls out through this and nothing else; a front end implements it.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/color_value.h"
#include "game/controls.h"

namespace tinzel {

// How `RuntimeServices::endProgram()` leaves the game: the one signal that the program is
// over, caught where a front end delivers its events. It carries nothing: the exit status
// after *End* is 0.
struct ProgramEnded {};

// The game calls these only from inside a `FormEvents` call. Positions and sizes are twips
// (1440 to the logical inch) from the top-left corner of the window's client area. A failing
// operation throws `GameError` (game/game_error.h); the game handles no error, so it travels
// to the front end's event boundary.
class RuntimeServices {
  public:
    virtual ~RuntimeServices() = default;

    // Replaces the whole text of a score label at once.
    virtual void setCaption(ScoreLabel label, std::string_view text) = 0;

    // Creates element `index` (1 or more) of `array` as a copy of element 0 in every design
    // setting, position and size included, except that it starts hidden. The element must
    // not exist yet: every load starts with the design-time elements only.
    virtual void createElement(ControlArray array, int index) = 0;

    // Property writes on one existing element of `array`.
    virtual void setTop(ControlArray array, int index, int twips) = 0;
    virtual void setLeft(ControlArray array, int index, int twips) = 0;
    virtual void setVisible(ControlArray array, int index, bool visible) = 0;
    virtual void setBackColor(ControlArray array, int index, ColorValue color) = 0;

    // Destroys the window and every control on it, design-time and run-time. Called from
    // inside `Color_Click`, that is, from inside the activation of a button it destroys: the
    // front end may free the old controls once that activation returns, as long as none of
    // them is seen again. It never ends the program; the game follows it with `showForm()`
    // in the same call.
    virtual void unloadForm() = 0;

    // Shows the window, modeless. If it is unloaded it is loaded first, which calls
    // `FormEvents::Form_Load()` from inside this call; the window becomes visible only
    // after that returns, so a half-dealt board is never seen.
    virtual void showForm() = 0;

    // Shows a modal message with one OK button, no icon and the application title as its
    // caption. Returns when the player dismisses it.
    virtual void messageBox(std::string_view text) = 0;

    // Ends the program at once by throwing `ProgramEnded`: it never returns control to the
    // game, and no further `FormEvents` call is made. The game holds nothing that the unwind
    // could leak.
    [[noreturn]] virtual void endProgram() = 0;

    // The system timer, read at every round start to seed the game's random source
    // (game/random_source.h). Any steadily advancing count that differs from one start of
    // the program to the next will do, so that no two games open on the same board; two
    // readings within one tick may be equal.
    virtual std::uint64_t clockReading() = 0;
};

}  // namespace tinzel
