// What a desktop window's driver does for the player scenarios (player.scenarios): the
// player's verbs over the real window, and what the player reads off it. The page's driver
// (tests/web/page_driver.js) gives the same verbs.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/controls.h"
#include "tests/scenarios/screen.h"
#include "tests/scenarios/window_places.h"

namespace tinzel::testing {

enum class Key { Space, Enter, Up, Down };

// The window did not do what the scenario says; a driver throws it for what it cannot read.
struct ScenarioFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The message box as the player sees it.
struct ShownMessage {
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
    // "none", "error", or "other" for any other icon.
    std::string icon;
};

// What assistive technology is told of the window, read through the toolkit's own
// accessibility interface as a screen reader reads it.
struct AccessibleWindow {
    std::string name;
    // The board's table, its cells' names row by row.
    int rows = 0;
    int columns = 0;
    std::vector<std::string> cells;
    // The colour buttons' names, in their order.
    std::vector<std::string> buttons;
    // Every name in the window, for what must not be read out.
    std::vector<std::string> names;
    // The cells (row × columns + column) whose new names were announced since the last read;
    // none for a driver that the toolkit tells nothing of its announcements.
    std::optional<std::set<int>> announced;
};

class PlayerDriver {
  public:
    virtual ~PlayerDriver() = default;

    // Starts the game in a new window, or one whose every load fails below the window.
    virtual void start(bool failingLoad) = 0;

    // Runs the window's event loop, calling `step` whenever all that the last step set off has
    // been handled (a modal message box included, whose own loop calls it too), until `step`
    // returns false. Steps post the player's input rather than wait for its effects.
    virtual void run(const std::function<bool()>& step) = 0;

    // The player's input, through the way the system delivers a mouse's: a click at a place
    // of the window's client area, whatever is there taking it. Clicks come at a quick
    // player's pace, so two on the same spot fall within the system's double-click time, as
    // they do when a player answers with the same button twice running.
    virtual void clickAt(TwipsPoint place) = 0;
    // Two clicks there at once, inside the double-click time: a double click proper.
    virtual void doubleClickAt(TwipsPoint place) = 0;
    void clickButton(int index) { clickAt(buttonCentre(index)); }
    void doubleClickButton(int index) { doubleClickAt(buttonCentre(index)); }
    void clickSquare(int index) { clickAt(squareCentre(index)); }
    void clickLabel(ScoreLabel label) { clickAt(labelCentre(label)); }
    void clickPanel() { clickAt(bareSpot()); }
    virtual void clickOk() = 0;
    // A key going down (`repeat`: the keyboard's auto-repeat of a key held down) and up, at
    // whatever holds the focus when it arrives.
    virtual void keyDown(Key key, bool repeat) = 0;
    virtual void keyUp(Key key) = 0;
    // Another program's window takes the activation, and gives it back.
    virtual void deactivate() = 0;
    virtual void activate() = 0;
    // The close box of the window's caption bar.
    virtual void close() = 0;
    // Below the window: the game's Set caption, through the runtime.
    virtual void setCaption(ScoreLabel label, const std::string& text) = 0;

    // What the player reads: which button the toolkit says holds the focus, the client area
    // as the screen shows it (every pixel, up to date), and `text` drawn as the window draws a
    // score label's caption now, in the label's face and size, dark on light, from its left
    // edge, with room to spare.
    virtual int focusedButton() = 0;
    virtual Capture capture() = 0;
    virtual Capture drawnText(ScoreLabel label, const std::string& text) = 0;
    virtual std::optional<ShownMessage> message() = 0;
    virtual AccessibleWindow accessibleWindow() = 0;
    virtual bool windowShown() = 0;
    // The program's exit status once the game has ended.
    virtual std::optional<int> exitStatus() = 0;
};

}  // namespace tinzel::testing
