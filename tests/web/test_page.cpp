// The page as the scenarios reach below its window: the game with its captions set straight
// through the runtime (tinzel_test_set_caption), or, at "?failing-load", a game whose load
// fails, for the error report.
#include <emscripten/emscripten.h>

#include "game/form1_module.h"
#include "tests/failing_load.h"
#include "ui/form_runtime.h"
#include "ui/web/page_input.h"
#include "ui/web/web_window.h"

namespace {

tinzel::FormRuntime runtime;
tinzel::web::WebWindow window{runtime};
tinzel::Form1Module game{runtime};
tinzel::testing::FailingLoad failingLoad{runtime};

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void tinzel_test_set_caption(int wins, const char* text) {
    runtime.guard([&] {
        runtime.setCaption(wins != 0 ? tinzel::ScoreLabel::Wins : tinzel::ScoreLabel::Losses, text);
    });
}

int main() {
    tinzel::web::takePageInput(runtime, window);
    const bool failing = EM_ASM_INT({ return location.search.indexOf('failing-load') + 1; }) != 0;
    runtime.attach(failing ? static_cast<tinzel::FormEvents&>(failingLoad) : game);
    runtime.start();
    return 0;
}
