#include "ui/web/page_input.h"

#include <emscripten/emscripten.h>

namespace tinzel::web {

namespace {

FormRuntime* runtime = nullptr;
WebWindow* window = nullptr;

}  // namespace

void takePageInput(FormRuntime& pageRuntime, WebWindow& pageWindow) {
    runtime = &pageRuntime;
    window = &pageWindow;
}

}  // namespace tinzel::web

using tinzel::web::runtime;
using tinzel::web::window;

extern "C" {

EMSCRIPTEN_KEEPALIVE void tinzel_click(int index) {
    if (runtime != nullptr) {
        runtime->click(index);
    }
}

EMSCRIPTEN_KEEPALIVE void tinzel_step_focus(int index, int step) {
    if (runtime != nullptr) {
        runtime->guard([&] { window->stepFocus(index, step); });
    }
}

EMSCRIPTEN_KEEPALIVE int tinzel_key_acts(int onMessage, int down, int key, int autoRepeat) {
    return window == nullptr || window->keyActs(onMessage != 0, down != 0, key, autoRepeat != 0);
}

EMSCRIPTEN_KEEPALIVE void tinzel_close() {
    if (runtime != nullptr) {
        runtime->close();
    }
}
}
