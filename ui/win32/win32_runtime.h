// The game's runtime on the Windows API: the window Form1 and its controls, the message box,
// the random source, and the event boundary where the game's errors and its end become the
// process's exit status.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <array>
#include <map>
#include <string>

#include "game/form_events.h"
#include "game/runtime_services.h"
#include "ui/form_design.h"

namespace tinzel::win32 {

class Win32Runtime : public RuntimeServices {
  public:
    // Messages of our own, posted to the window.
    static constexpr UINT kAnswerMessage = WM_APP + 1;
    // Colour button k has this control id plus k.
    static constexpr int kFirstButtonId = 1000;
    static constexpr wchar_t kWindowClass[] = L"TinzelForm1";

    explicit Win32Runtime(HINSTANCE instance);
    ~Win32Runtime() override;
    Win32Runtime(const Win32Runtime&) = delete;
    Win32Runtime& operator=(const Win32Runtime&) = delete;

    // The game that answers the window's events; set once, before `start()`.
    void attach(FormEvents& events) { events_ = &events; }

    // Start-up: shows the window, which loads it and so deals the first round.
    void start();

    // The window's keyboard, for the message loop to offer every message to before it is
    // dispatched: Tab and Shift+Tab move along the colour buttons, Up and Down step along the
    // column, Space and Enter answer. Returns whether the message was used.
    bool translateKeyboard(MSG& message);

    // The top-level window; it lives from start-up to the end, so it keeps its place on the
    // desktop while its controls are rebuilt every round.
    HWND window() const { return frame_; }
    bool loaded() const { return loaded_; }
    bool hasEnded() const { return ended_; }
    int exitStatus() const { return exitStatus_; }
    int dpi() const { return dpi_; }

    // This load's controls, for tests and the window procedure.
    HWND colorButton(int index) const;
    HWND scoreLabel(ScoreLabel label) const { return label == ScoreLabel::Wins ? wins_ : losses_; }
    HWND label2() const { return label2_; }
    ColorValue buttonColor(int index) const;
    int squareCount() const { return static_cast<int>(squares_.size()); }
    RECT squareRect(int index) const;
    ColorValue squareColor(int index) const;
    bool isSquareVisible(int index) const;

    void setCaption(ScoreLabel label, std::string_view text) override;
    void createElement(ControlArray array, int index) override;
    void setTop(ControlArray array, int index, int twips) override;
    void setLeft(ControlArray array, int index, int twips) override;
    void setVisible(ControlArray array, int index, bool visible) override;
    void setBackColor(ControlArray array, int index, ColorValue color) override;
    void unloadForm() override;
    void showForm() override;
    void messageBox(std::string_view text) override;
    [[noreturn]] void endProgram() override;
    std::uint64_t clockReading() override;

  private:
    struct Square {
        design::TwipsRect twips;
        ColorValue color;
        bool visible;
    };
    struct Button {
        HWND handle;
        design::TwipsRect twips;
        ColorValue color;
    };

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs one window event through the game. Nothing the game throws gets past this point.
    template <typename Event>
    void deliver(Event&& event);
    void finish(int exitStatus);

    void createFonts();
    void fitClientArea();
    // The window went to a screen of another DPI: everything is laid out again at the new one.
    void changeDpi(int dpi, const RECT& suggested);
    void loadDesign();
    HWND createLabel(const design::TwipsRect& twips, std::string_view caption, bool bordered);
    HWND createButton(int index, const design::TwipsRect& twips, bool visible);
    void nameButton(const Button& button);
    int buttonIndexOf(HWND control) const;
    Square& existingSquare(int index);
    const Square& existingSquare(int index) const;
    Button& existingButton(int index);
    const Button& existingButton(int index) const;
    RECT pixels(const design::TwipsRect& twips) const;
    void place(HWND control, const design::TwipsRect& twips) const;
    // Set Top and Set Left: one edge of a square or a button moves, in twips.
    void moveEdge(ControlArray array, int index, int design::TwipsRect::*edge, int twips);
    void invalidateSquare(const Square& square);
    void paint();
    void drawButton(const DRAWITEMSTRUCT& item);
    HBRUSH brush(ColorValue color);

    HINSTANCE instance_;
    HWND frame_ = nullptr;
    FormEvents* events_ = nullptr;
    int dpi_ = 96;
    HFONT scoreFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    std::map<ColorValue, HBRUSH> brushes_;

    bool loaded_ = false;
    bool shown_ = false;
    bool ended_ = false;
    int exitStatus_ = 0;
    int focusIndex_ = 0;
    HWND wins_ = nullptr;
    HWND losses_ = nullptr;
    HWND label2_ = nullptr;
    std::map<int, Square> squares_;
    std::map<int, Button> buttons_;
};

// Runs Tinzel to its end, the window's keyboard included. Returns the exit status.
int runMessageLoop(Win32Runtime& runtime);

// The whole program: creates the window and the game and runs them to the end. Returns the
// exit status: 0 when the game ends or the window is closed, 1 after an error report, a
// failure to create the window included.
int runGame(HINSTANCE instance);

}  // namespace tinzel::win32
