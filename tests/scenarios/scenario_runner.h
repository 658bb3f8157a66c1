// Reads tests/scenarios/player.scenarios and plays a scenario through a desktop window's
// driver. The page's runner (scenarios.js) reads the same file.
#pragma once

#include <string>
#include <vector>

#include "tests/scenarios/player_driver.h"

namespace tinzel::testing {

struct ScenarioStep {
    std::vector<std::string> words;
    // "file:line", for the failure message.
    std::string where;
};

struct Scenario {
    std::string name;
    std::vector<ScenarioStep> steps;

    // Whether the scenario starts with a game whose load fails.
    bool failingLoad() const;
    // Whether it is for the front end `name` ("qt", "win32", "page").
    bool runsOn(const std::string& frontEnd) const;
};

// Every scenario of the file at `path`; a malformed file throws ScenarioFailure.
std::vector<Scenario> loadScenarios(const std::string& path);

// Starts the game and plays `scenario` on `driver`; throws ScenarioFailure, naming the step,
// at the first thing the window does not do.
void playScenario(const Scenario& scenario, PlayerDriver& driver);

}  // namespace tinzel::testing
