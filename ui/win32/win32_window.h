// The window Form1 on the Windows API: the front end's side of the form runtime. The frame
// holds the kept controls (ui/win32/form1_controls.h) and paints the board itself; it turns
// clicks, the close box and DPI changes into the runtime's events, and offers the keyboard
// (ui/win32/keyboard_focus.h) and assistive technology (ui/win32/window_accessibility.h)
// what they need.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <memory>

#include "ui/form_runtime.h"
#include "ui/form_view.h"
#include "ui/win32/brushes.h"
#include "ui/win32/form1_controls.h"
#include "ui/win32/keyboard_focus.h"
#include "ui/win32/window_accessibility.h"

namespace tinzel::testing {
class Win32WindowPeer;
}

namespace tinzel::win32 {

class Win32Window final : public FormView {
  public:
    // Messages of our own, posted to the window.
    static constexpr UINT kAnswerMessage = WM_APP + 1;
    // Colour button k has this control id plus k.
    static constexpr int kFirstButtonId = Form1Controls::kFirstButtonId;
    static constexpr wchar_t kWindowClass[] = L"TinzelForm1";

    // Creates the top-level window, hidden; a window that cannot be made throws GameError.
    Win32Window(HINSTANCE instance, FormRuntime& runtime);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // The window's keyboard, for the message loop to offer every message to before it is
    // dispatched. Returns whether the message was used.
    bool translateKeyboard(MSG& message) { return keyboard_->translate(message, model_); }

    // The top-level window; it lives from start-up to the end, so it keeps its place on the
    // desktop from round to round, as its controls do.
    HWND frame() const { return frame_; }

    void render(const FormModel& model, const FormChanges& changes) override;
    void unloaded() override;
    void showWindow() override;
    void hideWindow() override;
    int focusedButton() const override { return keyboard_->focused(); }
    void focusButton(int index) override { keyboard_->focus(index); }
    void announce(std::string_view news) override;
    void showMessage(std::string_view text, bool isError) override;
    void finished(int exitStatus) override;

  private:
    // The window's tests reach its controls through tests/win32/win32_window_peer.h.
    friend class testing::Win32WindowPeer;

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Sizes the frame so that its client area is the design's exactly, whatever its borders.
    void fitClientArea();
    // The window went to a screen of another DPI: everything is laid out again at the new one.
    void changeDpi(int dpi, const RECT& suggested);
    void paint();

    HINSTANCE instance_;
    FormRuntime& runtime_;
    bool comStarted_;
    HWND frame_ = nullptr;
    Brushes brushes_;
    std::unique_ptr<Form1Controls> controls_;
    std::unique_ptr<KeyboardFocus> keyboard_;
    std::unique_ptr<WindowAccessibility> accessibility_;
    // This round's model, from its render to its unload.
    const FormModel* model_ = nullptr;
    // Within a render, while its changes are applied with nothing drawn.
    bool rendering_ = false;
};

}  // namespace tinzel::win32
