// The player scenarios (tests/scenarios/player.scenarios) on the Windows window, under Wine.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "tests/scenarios/scenario_runner.h"
#include "tests/win32/win32_player_driver.h"

namespace tinzel::testing {

void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

namespace {

std::vector<Scenario> windowsScenarios() {
    std::vector<Scenario> chosen;
    for (const Scenario& scenario : loadScenarios(TINZEL_SCENARIOS)) {
        if (scenario.runsOn("win32")) {
            chosen.push_back(scenario);
        }
    }
    return chosen;
}

class Win32Scenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(Win32Scenario, Plays) {
    Win32PlayerDriver driver;
    try {
        playScenario(GetParam(), driver);
    } catch (const ScenarioFailure& failure) {
        FAIL() << failure.what();
    }
}

// Test names from the scenarios' own: letters and digits only.
std::string nameOf(const ::testing::TestParamInfo<Scenario>& info) {
    std::string name;
    bool capital = true;
    for (char character : info.param.name) {
        if (std::isalnum(static_cast<unsigned char>(character)) != 0) {
            name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(character)))
                            : character;
            capital = false;
        } else {
            capital = true;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Player, Win32Scenario, ::testing::ValuesIn(windowsScenarios()), nameOf);

}  // namespace
}  // namespace tinzel::testing
