// The two window events the game answers: what a front end delivers to it.
#pragma once

#include <cstdint>

namespace tinzel {

// A front end calls these only from its user-interface thread, one at a time, never
// re-entrantly except as noted.
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

}  // namespace tinzel
