// Tinzel in the browser: the game, its form runtime and the page. The page's script calls in
// through ui/web/page_input.h with the player's input.
#include "game/form1_module.h"
#include "ui/form_runtime.h"
#include "ui/web/page_input.h"
#include "ui/web/web_window.h"

namespace {

struct Program {
    tinzel::FormRuntime runtime;
    tinzel::web::WebWindow window{runtime};
    tinzel::Form1Module game{runtime};
};

}  // namespace

int main() {
    // Lives as long as the page: the browser keeps the module running after main returns.
    static Program running;
    tinzel::web::takePageInput(running.runtime, running.window);
    running.runtime.attach(running.game);
    running.runtime.start();
    return 0;
}
