// The seam between the game core and a front end: every way the game reaches the window,
// the random source and the end of the program, and the two window events it answers.
#pragma once

#include <cstdint>
#include <string_view>

namespace tinzel {

// A colour as one number: red + 256 × green + 65536 × blue, each component 0 to 255.
using ColorValue = std::uint32_t;

// The two control arrays of the window. Element 0 of each is placed at design time and is
// the template of every element created at run time.
enum class ControlArray { Square, Color };

// The two score labels that the game writes to.
enum class ScoreLabel { Wins, Losses };

// The window events, delivered by a front end to the game. A front end calls these only
// from its user-interface thread, one at a time, never re-entrantly except as noted.
class FormEvents {
  public:
    virtual ~FormEvents() = default;

    // Every load of the window runs this before the window becomes visible: at start-up,
    // and inside `showForm()` whenever the window was unloaded. The design-time controls
    // exist with their design settings when it is called, and no run-time element does.
    virtual void Form_Load() = 0;

    // The player activated colour button `Index` (0 at the top of the column, which is also
    // its palette index), by mouse or keyboard. The game calls `unloadForm()` and then
    // `showForm()` from inside this call, so the button being clicked is destroyed while its
    // own activation is still being handled.
    virtual void Color_Click(std::int16_t Index) = 0;
};

// What the game asks of its runtime. The game calls these only from inside a `FormEvents`
// call. Positions and sizes are twips (1440 to the logical inch) from the top-left corner of
// the window's client area. A failing operation throws `GameError` (game/game_error.h); the
// game handles no error, so it travels to the front end's event boundary.
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

    // Ends the program at once. It never returns control to the game and no further
    // `FormEvents` call is made. A front end may unwind to its event boundary with an
    // exception of its own; the game holds nothing that such an unwind could leak.
    [[noreturn]] virtual void endProgram() = 0;

    // Seeds the random source from the system timer. Called at every round start; a front
    // end folds the clock reading into the source's state (see game/random_source.h), so
    // two seeds within one clock tick still lead to different boards.
    virtual void seedRandom() = 0;

    // The next random value, uniform in [0, 1).
    virtual float drawRandom() = 0;
};

}  // namespace tinzel
