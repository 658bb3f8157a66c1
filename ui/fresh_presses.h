// A key acts once a press, on every window. A key held down repeats, and a repeat does
// nothing; and a message box takes only the keys pressed while it is shown, so that a key
// held through the answer that opened it cannot dismiss the message unread.
#pragma once

#include <algorithm>
#include <array>

namespace tinzel {

class FreshPresses {
  public:
    // Something new takes the keyboard (a message opens): the keys already down are not its.
    void restart() { pressed_ = filled(); }

    // Key `key` went down; `autoRepeat` when the keyboard repeats a key held down. Whether the
    // press may act.
    bool down(int key, bool autoRepeat) {
        if (autoRepeat) {
            return false;
        }
        if (std::find(pressed_.begin(), pressed_.end(), key) == pressed_.end()) {
            // More keys held at once than a hand holds: the oldest is forgotten.
            std::copy_backward(pressed_.begin(), pressed_.end() - 1, pressed_.end());
            pressed_.front() = key;
        }
        return true;
    }

    // Key `key` came up. Whether its release may act: it went down since the restart.
    bool up(int key) {
        const auto found = std::find(pressed_.begin(), pressed_.end(), key);
        if (found == pressed_.end()) {
            return false;
        }
        *found = kNoKey;
        return true;
    }

  private:
    static constexpr int kNoKey = -1;
    std::array<int, 10> pressed_ = filled();

    static constexpr std::array<int, 10> filled() {
        std::array<int, 10> keys{};
        keys.fill(kNoKey);
        return keys;
    }
};

}  // namespace tinzel
