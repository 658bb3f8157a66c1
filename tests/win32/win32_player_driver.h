// The player scenarios' verbs on the real Windows window, under Wine: the mouse through the
// system's input queue (SendInput) and the keys posted to the focus, and what the player reads
// taken from the screen's pixels and the windows' texts.
#pragma once

#include <memory>

#include "game/form_events.h"
#include "tests/scenarios/player_driver.h"
#include "ui/form_runtime.h"
#include "ui/win32/win32_window.h"

namespace tinzel::testing {

class Win32PlayerDriver final : public PlayerDriver {
  public:
    Win32PlayerDriver();
    ~Win32PlayerDriver() override;

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
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    POINT pixelsOf(TwipsPoint point) const;

    std::unique_ptr<FormRuntime> runtime_;
    std::unique_ptr<win32::Win32Window> window_;
    std::unique_ptr<FormEvents> game_;
    HWND otherProgram_ = nullptr;
    // Hears the window's announcements, from the first read on.
    HWINEVENTHOOK announcements_ = nullptr;
    bool startPending_ = false;
    const std::function<bool()>* step_ = nullptr;
    bool stepping_ = false;
    bool done_ = false;
    std::optional<int> exitStatus_;
};

}  // namespace tinzel::testing
