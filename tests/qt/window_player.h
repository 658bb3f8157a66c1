// Plays the real Qt window the way a player does, one answer at a time, through the event
// loop: for the soak test and the window benchmarks.
#pragma once

#include <QObject>
#include <memory>

#include "game/form1_module.h"
#include "ui/form_runtime.h"
#include "ui/qt/qt_window.h"

namespace tinzel::testing {

class WindowPlayer : public QObject {
    Q_OBJECT

  public:
    enum class Activation { MouseClick, SpaceKey };

    WindowPlayer();
    ~WindowPlayer() override;

    qt::QtWindow& window() const { return *window_; }
    Form1Module& game() const { return *game_; }
    int tenColor() const;
    int gamesFinished() const { return gamesFinished_; }

    // Posts the activation of colour button `index` and returns once the round has turned
    // over: the game has judged the answer and the new round is loaded; with
    // `untilPainted`, also once its first frame is painted. At the tenth win it presses OK on
    // the end message and starts a new game, as a player starting the program again would.
    void answer(int index, Activation activation, bool untilPainted = false);

    // Repaints the whole client area with no new round and returns once it is painted.
    void repaint();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void startGame();
    int roundsPlayed() const;

    std::unique_ptr<FormRuntime> runtime_;
    std::unique_ptr<qt::QtWindow> window_;
    std::unique_ptr<Form1Module> game_;
    int playedBefore_ = 0;
    bool painted_ = false;
    int gamesFinished_ = 0;
    int lastExitStatus_ = 0;
};

}  // namespace tinzel::testing
