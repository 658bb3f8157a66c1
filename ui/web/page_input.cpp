// The page's script's calls into the game: clicks, keys and the close box.
#include "ui/web/page_input.h"

#include <emscripten/emscripten.h>

#include "ui/button_keys.h"

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

// `key` is a ButtonKey as the page's script numbers it: Up, Down, Enter, and -1 for any other.
EMSCRIPTEN_KEEPALIVE int tinzel_button_key(int index, int down, int key, int autoRepeat) {
    static_assert(static_cast<int>(tinzel::ButtonKey::Other) == 3);
    const auto buttonKey =
        key >= 0 && key < 3 ? static_cast<tinzel::ButtonKey>(key) : tinzel::ButtonKey::Other;
    bool held = false;
    if (runtime != nullptr) {
        runtime->guard(
            [&] { held = window->buttonKey(index, buttonKey, down != 0, autoRepeat != 0); });
    }
    return held ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int tinzel_message_key_acts(int down, int key, int autoRepeat) {
    return window == nullptr || window->messageKeyActs(down != 0, key, autoRepeat != 0);
}

EMSCRIPTEN_KEEPALIVE void tinzel_close() {
    if (runtime != nullptr) {
        runtime->close();
    }
}
}
