// The page's way in: the player's input, which the page's script hands to the running game
// by these exported calls, each inside the runtime's event boundary.
#pragma once

#include "ui/form_runtime.h"
#include "ui/web/web_window.h"

namespace tinzel::web {

// From now on the page's input goes to `runtime` and `window`, which live as long as the page.
void takePageInput(FormRuntime& runtime, WebWindow& window);

}  // namespace tinzel::web
