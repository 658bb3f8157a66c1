// The player scenarios (tests/scenarios/player.scenarios) on the Qt window, offscreen.
#include <QtTest>

#include "tests/qt/qt_player_driver.h"
#include "tests/scenarios/scenario_runner.h"

using tinzel::testing::Scenario;

Q_DECLARE_METATYPE(Scenario)

class ScenarioTest : public QObject {
    Q_OBJECT

  private slots:
    void playsEveryScenario_data() {
        QTest::addColumn<Scenario>("scenario");
        for (const Scenario& scenario : tinzel::testing::loadScenarios(TINZEL_SCENARIOS)) {
            if (scenario.runsOn("qt")) {
                QTest::newRow(scenario.name.c_str()) << scenario;
            }
        }
    }

    void playsEveryScenario() {
        QFETCH(Scenario, scenario);
        tinzel::testing::QtPlayerDriver driver;
        try {
            tinzel::testing::playScenario(scenario, driver);
        } catch (const tinzel::testing::ScenarioFailure& failure) {
            QFAIL(failure.what());
        }
    }
};

QTEST_MAIN(ScenarioTest)
#include "scenario_test.moc"
