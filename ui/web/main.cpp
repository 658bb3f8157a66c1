// Tinzel in the browser: the game, its form runtime and the page. The page's script calls in
// here with the player's input; everything it calls crosses the runtime's event boundary.
#include <emscripten/emscripten.h>

#include "game/form1_module.h"
#include "ui/form_runtime.h"
#include "ui/web/web_window.h"

namespace {

struct Program {
    tinzel::FormRuntime runtime;
    tinzel::web::WebWindow window{runtime};
    tinzel::Form1Module game{runtime};
};

// Lives as long as the page: the browser keeps the module running after main returns.
Program& program() {
    static Program instance;
    return instance;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void tinzel_click(int index) {
    program().runtime.click(index);
}

EMSCRIPTEN_KEEPALIVE void tinzel_step_focus(int index, int step) {
    Program& running = program();
    running.runtime.guard([&] { running.window.stepFocus(index, step); });
}
}

int main() {
    Program& running = program();
    running.runtime.attach(running.game);
    running.runtime.start();
    return 0;
}
