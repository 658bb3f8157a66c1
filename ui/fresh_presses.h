// A key acts once a press, on every window. A key held down repeats, and a repeat does
// nothing; and a message box takes only the keys pressed while it is shown, so that a key
// held through the answer that opened it cannot dismiss the message unread.
#pragma once

#include <algorithm>
#include <vector>

namespace tinzel {

class FreshPresses {
  public:
    // Something new takes the keyboard (a message opens): the keys already down are not its.
    void restart() { pressed_.clear(); }

    // Key `key` went down; `autoRepeat` when the keyboard repeats a key held down. Whether the
    // press may act.
    bool down(int key, bool autoRepeat) {
        if (autoRepeat) {
            return false;
        }
        if (std::find(pressed_.begin(), pressed_.end(), key) == pressed_.end()) {
            pressed_.push_back(key);
        }
        return true;
    }

    // Key `key` came up. Whether its release may act: it went down since the restart.
    bool up(int key) {
        const auto found = std::find(pressed_.begin(), pressed_.end(), key);
        if (found == pressed_.end()) {
            return false;
        }
        pressed_.erase(found);
        return true;
    }

  private:
    std::vector<int> pressed_;
};

}  // namespace tinzel
