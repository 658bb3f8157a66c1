// The window Form1 on the Windows API: the front end's side of the form runtime. It shows
// the form model as child windows (the board is painted by the window itself) and turns
// clicks, keys, the close box and DPI changes into the runtime's events.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/form_runtime.h"
#include "ui/form_view.h"
#include "ui/fresh_presses.h"
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
    static constexpr int kFirstButtonId = 1000;
    static constexpr wchar_t kWindowClass[] = L"TinzelForm1";

    // Creates the top-level window, hidden; a window that cannot be made throws GameError.
    Win32Window(HINSTANCE instance, FormRuntime& runtime);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // The window's keyboard, for the message loop to offer every message to before it is
    // dispatched: Tab and Shift+Tab move along the colour buttons, Up and Down step along the
    // column, Space and Enter answer. Returns whether the message was used.
    bool translateKeyboard(MSG& message);

    // The top-level window; it lives from start-up to the end, so it keeps its place on the
    // desktop from round to round, as its controls do.
    HWND frame() const { return frame_; }

    void render(const FormModel& model, const FormChanges& changes) override;
    void unloaded() override;
    void showWindow() override;
    void hideWindow() override;
    int focusedButton() const override;
    void focusButton(int index) override;
    void showMessage(std::string_view text, bool isError) override;
    void finished(int exitStatus) override;

  private:
    // The window's tests reach this load's controls through tests/win32/win32_window_peer.h.
    friend class testing::Win32WindowPeer;

    // This load's controls.
    HWND colorButton(int index) const;
    HWND scoreLabel(ScoreLabel label) const { return label == ScoreLabel::Wins ? wins_ : losses_; }
    RECT squareRect(int index) const;

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createFonts();
    HFONT scoreFont(double points);
    static void deleteFonts(std::map<int, HFONT>& fonts);
    void fitScore(ScoreLabel label);
    void applyCaption(ScoreLabel label);
    void fitClientArea();
    // The window went to a screen of another DPI: everything is laid out again at the new one.
    void changeDpi(int dpi, const RECT& suggested);
    void createDesignControls();
    HWND createLabel(const design::TwipsRect& twips, std::string_view caption, bool bordered);
    void createButton(int index);
    void applyButton(const ChangedElement& changed);
    void showButton(HWND button, bool visible) const;
    UINT quietly() const;
    void nameButton(int index);
    int buttonIndexOf(HWND control) const;
    RECT pixels(const design::TwipsRect& twips) const;
    void place(HWND control, const design::TwipsRect& twips) const;
    void paint();
    void drawButton(const DRAWITEMSTRUCT& item);
    HBRUSH brush(ColorValue color);

    HINSTANCE instance_;
    FormRuntime& runtime_;
    bool comStarted_;
    HWND frame_ = nullptr;
    std::unique_ptr<WindowAccessibility> accessibility_;
    int dpi_ = 96;
    // The score font at each size a caption has needed, by half points.
    std::map<int, HFONT> scoreFonts_;
    HFONT labelFont_ = nullptr;
    std::map<ColorValue, HBRUSH> brushes_;
    // Enter on the colour buttons: one answer a press.
    FreshPresses buttonKeys_;
    // The button the player was on when the window lost the focus to another program.
    int focusOnReturn_ = 0;

    // The controls are made the first time a render has them and kept to the end.
    const FormModel* model_ = nullptr;
    HWND wins_ = nullptr;
    HWND losses_ = nullptr;
    HWND label2_ = nullptr;
    std::vector<HWND> buttons_;
    // Within a render, while its changes are applied with nothing drawn.
    bool rendering_ = false;
    // A button was made since the window was last shown, below the labels.
    bool buttonMade_ = false;
};

}  // namespace tinzel::win32
