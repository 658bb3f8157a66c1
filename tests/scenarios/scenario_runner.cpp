// Reading the scenario file and playing each scenario through a window's driver.
#include "tests/scenarios/scenario_runner.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>

#include "game/counts.h"
#include "game/palette.h"

namespace tinzel::testing {

namespace {

std::string join(const std::vector<std::string>& words, std::size_t from = 0) {
    std::string joined;
    for (std::size_t k = from; k < words.size(); ++k) {
        joined += (joined.empty() ? "" : " ") + words[k];
    }
    return joined;
}

// A step's words: bare words, and "quoted text" kept whole.
std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ' || line[at] == '\t') {
            ++at;
        } else if (line[at] == '"') {
            const std::size_t end = line.find('"', at + 1);
            words.push_back(line.substr(at + 1, end - at - 1));
            at = end == std::string::npos ? line.size() : end + 1;
        } else {
            const std::size_t end = line.find_first_of(" \t", at);
            words.push_back(line.substr(at, end - at));
            at = end == std::string::npos ? line.size() : end;
        }
    }
    return words;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    const std::size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

void check(bool condition, const std::string& message) {
    if (!condition) {
        throw ScenarioFailure(message);
    }
}

ScoreLabel labelNamed(const std::string& name) {
    check(name == "Wins" || name == "Losses", "no score label \"" + name + "\"");
    return name == "Wins" ? ScoreLabel::Wins : ScoreLabel::Losses;
}

Key keyNamed(const std::string& name) {
    static const std::map<std::string, Key> keys = {
        {"Space", Key::Space}, {"Enter", Key::Enter}, {"Up", Key::Up}, {"Down", Key::Down}};
    const auto found = keys.find(name);
    check(found != keys.end(), "no key \"" + name + "\"");
    return found->second;
}

// A focus ring shows at least this many pixels on a button.
constexpr int kRingPixels = 40;

int paletteIndex(ColorValue color) {
    const auto found = std::find(Palette.begin(), Palette.end(), color);
    return found == Palette.end() ? -1 : static_cast<int>(found - Palette.begin());
}

std::string hex(ColorValue color) {
    std::ostringstream text;
    text << std::hex << color;
    return text.str();
}

// One scenario being played: its steps become the driver's actions and checks, each run
// once the window has handled everything before it.
class Play {
  public:
    Play(const Scenario& scenario, PlayerDriver& driver) : driver_(driver) {
        for (const ScenarioStep& step : scenario.steps) {
            pending_.push_back([this, &step] {
                step_ = &step;
                expand(step);
            });
        }
    }

    void run() {
        driver_.run([this] { return next(); });
        if (!failure_.empty()) {
            throw ScenarioFailure(failure_);
        }
        check(pending_.empty(), "the window stopped before the scenario's end, at " + where());
    }

  private:
    using Action = std::function<void()>;

    std::string where() const {
        return step_ == nullptr ? "its start" : step_->where + ": " + join(step_->words);
    }

    // No exception may cross the toolkit's frames that call this.
    bool next() {
        if (pending_.empty()) {
            return false;
        }
        Action action = std::move(pending_.front());
        pending_.pop_front();
        try {
            action();
        } catch (const std::exception& error) {
            failure_ = where() + ": " + error.what();
            pending_.clear();
            return false;
        }
        return true;
    }

    // `actions` go before everything still pending, in their order.
    void first(std::vector<Action> actions) {
        pending_.insert(pending_.begin(), actions.begin(), actions.end());
    }

    int tenColour() {
        const BoardColours shown = readBoard(driver_.capture());
        std::vector<int> counts(Palette.size(), 0);
        for (ColorValue square : shown.squares) {
            if (const int index = paletteIndex(square); index >= 0) {
                ++counts[static_cast<std::size_t>(index)];
            }
        }
        check(std::count(counts.begin(), counts.end(), kAnswerSquares) == 1,
              "not one colour on exactly ten squares");
        return static_cast<int>(std::find(counts.begin(), counts.end(), kAnswerSquares) -
                                counts.begin());
    }

    int button(const std::string& which) {
        if (which == "right") {
            return tenColour();
        }
        if (which == "wrong") {
            return (tenColour() + 5) % static_cast<int>(Palette.size());
        }
        if (which == "answered") {
            return answered_;
        }
        return std::stoi(which);
    }

    // Whether score label `label` shows `text`, read from its pixels.
    TextMatch shows(ScoreLabel label, const std::string& text) {
        return matchText(driver_.capture(), design::scoreRect(label),
                         driver_.drawnText(label, text), text.size());
    }

    void seeCaption(ScoreLabel label, const std::string& text) {
        const TextMatch match = shows(label, text);
        check(match.matches, "the label does not show \"" + text + "\": " + match.detail);
    }

    // The two scores read from their pixels count `answers` between them.
    void seeAnswers(int answers) {
        for (int wins = 0; wins <= answers; ++wins) {
            if (shows(ScoreLabel::Wins, "WINS: " + std::to_string(wins)).matches &&
                shows(ScoreLabel::Losses, "LOST: " + std::to_string(answers - wins)).matches) {
                return;
            }
        }
        check(false, "the scores do not count " + std::to_string(answers) + " answers");
    }

    // The toolkit's focus, and the ring on that button's pixels and on no other's.
    void seeFocus(int expected) {
        const int at = driver_.focusedButton();
        check(at == expected,
              "the focus is on button " + std::to_string(at) + ", not " + std::to_string(expected));
        const Capture screen = driver_.capture();
        for (int index = 0; index < kButtonCount; ++index) {
            const int ring = ringPixels(screen, index);
            check(index == expected ? ring >= kRingPixels : ring == 0,
                  "button " + std::to_string(index) + " shows " + std::to_string(ring) +
                      " pixels of a focus ring");
        }
    }

    void seeBoard() {
        const Capture screen = driver_.capture();
        const BoardColours shown = readBoard(screen);
        check(shown.squares.size() == kSquareCount,
              "the board has " + std::to_string(shown.squares.size()) + " squares");
        for (std::size_t k = 0; k < shown.squares.size(); ++k) {
            check(paletteIndex(shown.squares[k]) >= 0,
                  "square " + std::to_string(k + 1) + " shows " + hex(shown.squares[k]));
        }
        tenColour();
        check(shown.buttons.size() == Palette.size(), "the column has the wrong number of buttons");
        for (std::size_t k = 0; k < shown.buttons.size(); ++k) {
            check(shown.buttons[k] == Palette[k],
                  "button " + std::to_string(k) + " shows " + hex(shown.buttons[k]));
        }
        const std::vector<int> bare = squaresWithoutBorder(screen);
        check(bare.empty(), "square " + (bare.empty() ? "" : std::to_string(bare.front())) +
                                " shows no black border");
    }

    // Every window reads in one order: the board, the colour buttons (the last is the last
    // name of a colour), then the scores, Wins before Losses as it stands above it.
    void checkReadingOrder(const std::vector<std::string>& names) {
        const auto first = [&](const std::regex& pattern) {
            const auto found = std::find_if(
                names.begin(), names.end(),
                [&](const std::string& name) { return std::regex_match(name, pattern); });
            return found - names.begin();
        };
        const auto board = first(std::regex("Board"));
        const auto lastButton =
            names.rend() - std::find(names.rbegin(), names.rend(), PaletteNames.back()) - 1;
        const auto wins = first(std::regex(R"(WINS: *-?\d+)"));
        const auto losses = first(std::regex(R"(LOST: *-?\d+)"));
        check(board < lastButton && lastButton < wins && wins < losses &&
                  losses < static_cast<std::ptrdiff_t>(names.size()),
              "the window reads in the order " + join(names));
    }

    // The window as assistive technology reads it agrees with its pixels, and every cell
    // renamed since the last hearing was announced.
    void hearBoard() {
        const AccessibleWindow heard = driver_.accessibleWindow();
        check(heard.name == "Form1", "the window is called \"" + heard.name + "\"");
        check(heard.rows == kBoardSide && heard.columns == kBoardSide,
              "the board is a table of " + std::to_string(heard.rows) + " x " +
                  std::to_string(heard.columns));
        const BoardColours shown = readBoard(driver_.capture());
        for (std::size_t k = 0; k < shown.squares.size() && k < heard.cells.size(); ++k) {
            const int colour = paletteIndex(shown.squares[k]);
            check(colour >= 0 && heard.cells[k] == PaletteNames[static_cast<std::size_t>(colour)],
                  "square " + std::to_string(k + 1) + " is read as \"" + heard.cells[k] +
                      "\" and shows " + hex(shown.squares[k]));
        }
        check(heard.buttons == std::vector<std::string>(PaletteNames.begin(), PaletteNames.end()),
              "the buttons are read as " + join(heard.buttons));
        check(std::find(heard.names.begin(), heard.names.end(), "Label2") == heard.names.end(),
              "Label2 is read out");
        checkReadingOrder(heard.names);
        if (!lastHeard_.empty() && heard.announced.has_value()) {
            for (std::size_t k = 0; k < heard.cells.size(); ++k) {
                check(heard.cells[k] == lastHeard_[k] ||
                          heard.announced->count(static_cast<int>(k)) != 0,
                      "cell " + std::to_string(k) + " became " + heard.cells[k] + " unannounced");
            }
        }
        lastHeard_ = heard.cells;
    }

    void seeMessage(const std::string& expected, bool error) {
        const std::optional<ShownMessage> shown = driver_.message();
        check(shown.has_value(), "no message is open");
        check(shown->title == "Tinzel", "the message is titled \"" + shown->title + "\"");
        check(shown->buttons == std::vector<std::string>{"OK"},
              "the message has the buttons " + join(shown->buttons));
        check(shown->icon == (error ? "error" : "none"),
              "the message shows the icon " + shown->icon);
        const bool matches =
            error ? shown->text.find(expected) != std::string::npos : shown->text == expected;
        check(matches, "the message says \"" + shown->text + "\"");
    }

    // Up or Down, one press at a time, until the focus is on button `target`.
    void goToward(int target, int presses) {
        const int at = driver_.focusedButton();
        if (at == target) {
            return;
        }
        check(at >= 0, "the focus is on no colour button on the way to " + std::to_string(target));
        check(presses < 12, "Up and Down never reach button " + std::to_string(target));
        const Key key = at < target ? Key::Down : Key::Up;
        driver_.keyDown(key, false);
        first({[this, key] { driver_.keyUp(key); },
               [this, target, presses] { goToward(target, presses + 1); }});
    }

    void expand(const ScenarioStep& step) {
        const std::vector<std::string>& words = step.words;
        const auto is = [&](const std::string& verb, std::size_t arguments) {
            const std::vector<std::string> verbWords = wordsOf(verb);
            return words.size() == verbWords.size() + arguments &&
                   std::equal(verbWords.begin(), verbWords.end(), words.begin());
        };
        const auto argument = [&](std::size_t fromEnd) { return words[words.size() - fromEnd]; };

        if (is("see board", 0)) {
            seeBoard();
        } else if (is("hear board", 0)) {
            hearBoard();
        } else if (is("see caption", 2)) {
            seeCaption(labelNamed(argument(2)), argument(1));
        } else if (is("see answers", 1)) {
            seeAnswers(std::stoi(argument(1)));
        } else if (is("see focus", 1)) {
            seeFocus(button(argument(1)));
        } else if (is("see message", 1)) {
            seeMessage(argument(1), false);
        } else if (is("see error message", 1)) {
            seeMessage(argument(1), true);
        } else if (is("see no message", 0)) {
            check(!driver_.message().has_value(), "a message is open");
        } else if (is("see no window", 0)) {
            check(!driver_.windowShown(), "the window is still shown");
        } else if (is("see ended", 1)) {
            const std::optional<int> status = driver_.exitStatus();
            check(status == std::stoi(argument(1)),
                  status ? "the game ended with " + std::to_string(*status) : "the game goes on");
        } else if (is("click button", 1)) {
            answered_ = button(argument(1));
            driver_.clickButton(answered_);
        } else if (is("double click button", 1)) {
            answered_ = button(argument(1));
            driver_.doubleClickButton(answered_);
        } else if (is("click square", 1)) {
            driver_.clickSquare(std::stoi(argument(1)));
        } else if (is("click label", 1)) {
            driver_.clickLabel(labelNamed(argument(1)));
        } else if (is("click panel", 0)) {
            driver_.clickPanel();
        } else if (is("click OK", 0)) {
            driver_.clickOk();
        } else if (is("go to button", 1)) {
            goToward(button(argument(1)), 0);
        } else if (is("press", 1)) {
            const Key key = keyNamed(argument(1));
            answered_ = driver_.focusedButton();
            driver_.keyDown(key, false);
            first({[this, key] { driver_.keyUp(key); }});
        } else if (is("hold", 1)) {
            // Down, then the keyboard's auto-repeat, each at whatever holds the focus then.
            const Key key = keyNamed(argument(1));
            answered_ = driver_.focusedButton();
            driver_.keyDown(key, false);
            const Action repeat = [this, key] { driver_.keyDown(key, true); };
            first({repeat, repeat, repeat});
        } else if (is("release", 1)) {
            driver_.keyUp(keyNamed(argument(1)));
        } else if (is("win", 2)) {
            std::vector<Action> wins(static_cast<std::size_t>(std::stoi(argument(2))),
                                     [this] { driver_.clickButton(tenColour()); });
            first(wins);
        } else if (is("caption", 2)) {
            driver_.setCaption(labelNamed(argument(2)), argument(1));
        } else if (is("deactivate", 0)) {
            driver_.deactivate();
        } else if (is("activate", 0)) {
            driver_.activate();
        } else if (is("close", 0)) {
            driver_.close();
        } else if (is("start with a failing load", 0) || is("only on", 1)) {
            // Read before the game starts.
        } else {
            throw ScenarioFailure("no such step");
        }
    }

    PlayerDriver& driver_;
    std::deque<Action> pending_;
    const ScenarioStep* step_ = nullptr;
    int answered_ = -1;
    std::vector<std::string> lastHeard_;
    std::string failure_;
};

}  // namespace

bool Scenario::failingLoad() const {
    return std::any_of(steps.begin(), steps.end(), [](const ScenarioStep& step) {
        return join(step.words) == "start with a failing load";
    });
}

bool Scenario::runsOn(const std::string& frontEnd) const {
    bool restricted = false;
    for (const ScenarioStep& step : steps) {
        if (step.words.size() == 3 && step.words[0] == "only" && step.words[1] == "on") {
            restricted = true;
            if (step.words[2] == frontEnd) {
                return true;
            }
        }
    }
    return !restricted;
}

std::vector<Scenario> loadScenarios(const std::string& path) {
    std::ifstream file(path);
    check(static_cast<bool>(file), "cannot read " + path);
    std::vector<Scenario> scenarios;
    std::string text;
    for (int number = 1; std::getline(file, text); ++number) {
        const std::string line = trimmed(text);
        const std::string where = path + ":" + std::to_string(number);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.rfind("scenario:", 0) == 0) {
            scenarios.push_back({trimmed(line.substr(9)), {}});
        } else {
            check(!scenarios.empty(), where + ": a step before any scenario");
            scenarios.back().steps.push_back({wordsOf(line), where});
        }
    }
    return scenarios;
}

void playScenario(const Scenario& scenario, PlayerDriver& driver) {
    driver.start(scenario.failingLoad());
    Play(scenario, driver).run();
}

}  // namespace tinzel::testing
