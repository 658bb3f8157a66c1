// The player scenarios' verbs on the real Qt window, offscreen: the mouse as the window system
// hands it to Qt's window (QTest's QWindow events), keys sent to the focus, and what the player
// reads taken from the window's pixels and widgets.
#pragma once

#include <QWidget>
#include <memory>

#include "game/form_events.h"
#include "tests/scenarios/player_driver.h"
#include "ui/form_runtime.h"
#include "ui/qt/qt_window.h"

namespace tinzel::testing {

class QtPlayerDriver final : public PlayerDriver {
  public:
    QtPlayerDriver();
    ~QtPlayerDriver() override;

    void start(bool failingLoad) override;
    void run(const std::function<bool()>& step) override;

    void clickAt(TwipsPoint place) override;
    void doubleClickAt(TwipsPoint place) override;
    void clickOk() override;
    void keyDown(Key key, bool repeat) override;
    void keyUp(Key key) override;
    void deactivate() override;
    void activate() override;
    void close() override;
    void setCaption(ScoreLabel label, const std::string& text) override;

    int focusedButton() override;
    Capture capture() override;
    Capture drawnText(ScoreLabel label, const std::string& text) override;
    std::optional<ShownMessage> message() override;
    AccessibleWindow accessibleWindow() override;
    bool windowShown() override;
    std::optional<int> exitStatus() override;

  private:
    QPoint pixelsOf(TwipsPoint point) const;

    std::unique_ptr<FormRuntime> runtime_;
    std::unique_ptr<qt::QtWindow> window_;
    std::unique_ptr<FormEvents> game_;
    std::unique_ptr<QWidget> otherProgram_;
    std::optional<int> exitStatus_;
};

}  // namespace tinzel::testing
