// The page as the tests reach below its window: the game with its captions set straight
// through the runtime (tinzel_test_set_caption), and its squares and buttons hidden, moved
// and recoloured as no round does (tinzel_test_set_*), or, at "?failing-load", a game whose
// load fails, for the error report.
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

tinzel::ControlArray arrayOf(int isButton) {
    return isButton != 0 ? tinzel::ControlArray::Color : tinzel::ControlArray::Square;
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void tinzel_test_set_caption(int wins, const char* text) {
    runtime.guard([&] {
        runtime.setCaption(wins != 0 ? tinzel::ScoreLabel::Wins : tinzel::ScoreLabel::Losses, text);
    });
}

extern "C" EMSCRIPTEN_KEEPALIVE void tinzel_test_set_visible(int isButton, int index, int visible) {
    runtime.guard([&] { runtime.setVisible(arrayOf(isButton), index, visible != 0); });
}

extern "C" EMSCRIPTEN_KEEPALIVE void tinzel_test_set_left(int isButton, int index, int twips) {
    runtime.guard([&] { runtime.setLeft(arrayOf(isButton), index, twips); });
}

// `color` as the game writes colours: red + 256 × green + 65536 × blue.
extern "C" EMSCRIPTEN_KEEPALIVE void tinzel_test_set_back_color(int isButton, int index,
                                                                int color) {
    runtime.guard([&] {
        runtime.setBackColor(arrayOf(isButton), index, static_cast<tinzel::ColorValue>(color));
    });
}

int main() {
    tinzel::web::takePageInput(runtime, window);
    const bool failing = EM_ASM_INT({ return location.search.indexOf('failing-load') + 1; }) != 0;
    runtime.attach(failing ? static_cast<tinzel::FormEvents&>(failingLoad) : game);
    runtime.start();
    return 0;
}
