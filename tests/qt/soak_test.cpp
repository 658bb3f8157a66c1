// A long game through the real window: tens of thousands of answers by mouse and keyboard,
// games played to their end and started again, every round checked.
#include <QLabel>
#include <QtTest>
#include <random>

#include "game/palette.h"
#include "tests/qt/form1_controls_peer.h"
#include "tests/qt/qt_window_peer.h"
#include "tests/qt/window_player.h"
#include "ui/qt/conversions.h"

using tinzel::ControlArray;
using tinzel::ScoreLabel;
using tinzel::testing::WindowPlayer;

namespace {

int roundsToPlay() {
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("TINZEL_SOAK_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : 100000;
}

// What is wrong with the window after a round, or an empty string if nothing is.
QString checkRound(const WindowPlayer& player) {
    const auto& state = player.game().state();
    QWidget* window = player.window().frame();
    const auto forms = window->findChildren<tinzel::qt::Form1Controls*>();
    if (forms.size() != 1 ||
        forms.front() != tinzel::testing::QtWindowPeer(player.window()).controls()) {
        return QStringLiteral("the window holds %1 rounds' controls").arg(forms.size());
    }
    const tinzel::testing::Form1ControlsPeer controls(*forms.front());
    if (controls.elementCount(ControlArray::Square) != 101 ||
        controls.elementCount(ControlArray::Color) != 11) {
        return QStringLiteral("%1 squares and %2 buttons")
            .arg(controls.elementCount(ControlArray::Square))
            .arg(controls.elementCount(ControlArray::Color));
    }
    std::array<int, tinzel::kColorCount> shown{};
    for (int index = 1; index <= 100; ++index) {
        const QColor color = controls.squareColor(index);
        const auto found =
            std::find_if(tinzel::Palette.begin(), tinzel::Palette.end(),
                         [&](auto value) { return tinzel::qt::toQColor(value) == color; });
        if (!controls.isSquareVisible(index) || found == tinzel::Palette.end()) {
            return QStringLiteral("square %1 is hidden or off the palette").arg(index);
        }
        ++shown[static_cast<std::size_t>(found - tinzel::Palette.begin())];
    }
    int total = 0;
    int tens = 0;
    for (int color = 0; color <= 10; ++color) {
        if (shown[static_cast<std::size_t>(color)] != state.colorCount[color]) {
            return QStringLiteral("colour %1 shows %2 squares but counts %3")
                .arg(color)
                .arg(shown[static_cast<std::size_t>(color)])
                .arg(state.colorCount[color]);
        }
        total += shown[static_cast<std::size_t>(color)];
        tens += shown[static_cast<std::size_t>(color)] == 10 ? 1 : 0;
    }
    if (total != 100 || tens != 1) {
        return QStringLiteral("%1 squares, %2 colours on ten").arg(total).arg(tens);
    }
    const QString wins = QStringLiteral("WINS: %1").arg(state.winCount);
    const QString losses = QStringLiteral("LOST: %1").arg(state.lossCount);
    if (controls.scoreLabel(ScoreLabel::Wins)->text() != wins ||
        controls.scoreLabel(ScoreLabel::Losses)->text() != losses) {
        return QStringLiteral("the labels read '%1' and '%2', not '%3' and '%4'")
            .arg(controls.scoreLabel(ScoreLabel::Wins)->text(),
                 controls.scoreLabel(ScoreLabel::Losses)->text(), wins, losses);
    }
    return {};
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    void tensOfThousandsOfAnswersLeaveEveryRoundWhole();
};

void SoakTest::tensOfThousandsOfAnswersLeaveEveryRoundWhole() {
    constexpr unsigned kSeed = 20261208;
    std::mt19937 choices(kSeed);
    const int rounds = roundsToPlay();
    WindowPlayer player;
    QCOMPARE(checkRound(player), QString());
    for (int round = 1; round <= rounds; ++round) {
        const bool right = choices() % 2 == 0;
        const int index = right ? player.tenColor() : static_cast<int>(choices() % 11);
        const auto activation = choices() % 2 == 0 ? WindowPlayer::Activation::MouseClick
                                                   : WindowPlayer::Activation::SpaceKey;
        player.answer(index, activation);
        const QString fault = checkRound(player);
        if (!fault.isEmpty()) {
            QFAIL(qPrintable(
                QStringLiteral("round %1 (seed %2): %3").arg(round).arg(kSeed).arg(fault)));
        }
    }
    qInfo("%d rounds, %d games played to the end", rounds, player.gamesFinished());
    QVERIFY(player.gamesFinished() > 0);
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
