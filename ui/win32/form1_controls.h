// The child windows of the window Form1, made the first time a render has them and kept to
// the end: the colour buttons and the three labels, laid out at the window's DPI in its fonts,
// and drawn in the one look (ui/form_look.h). A render applies what changed with nothing drawn;
// the window then draws what it touched.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_sink.h"
#include "ui/form_changes.h"
#include "ui/form_model.h"
#include "ui/panel_reading.h"
#include "ui/win32/brushes.h"
#include "ui/win32/window_fonts.h"

namespace tinzel::testing {
class Win32WindowPeer;
}

namespace tinzel::win32 {

class Form1Controls : private ControlSink {
  public:
    // Colour button k has this control id plus k.
    static constexpr int kFirstButtonId = 1000;

    Form1Controls(HINSTANCE instance, HWND frame, Brushes& brushes);

    // Applies `changes` to the controls, with nothing drawn: each control touched is marked
    // to be drawn. `model` lives until `unload()`.
    void render(const FormModel& model, const FormChanges& changes);
    void unload();
    // The window went to a screen of another DPI: every control takes its place and font
    // there.
    void changeDpi(int dpi);

    int dpi() const { return fonts_->dpi(); }
    // A rectangle of the design in the window's client area at its DPI.
    RECT pixels(const design::TwipsRect& twips) const;

    HWND colorButton(int index) const;
    // Puts a round's news on colour button `index` as its description, and tells screen
    // readers that it changed; the button keeps it until it loses the focus.
    void describeButton(int index, std::string_view news);
    // What a colour button's WM_GETOBJECT and WM_KILLFOCUS come to here: its object with the
    // news while it has some, and the news gone as it loses the focus. 0 leaves the message to
    // the button class.
    LRESULT buttonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
    // The colour button `control` is, or -1.
    int buttonIndexOf(HWND control) const;
    // The child window of a part of the panel, or null (the board is the window's own).
    HWND controlOf(const PanelChild& child) const;

    // WM_DRAWITEM: a colour button or a score label, in the one look.
    void draw(const DRAWITEMSTRUCT& item);

  private:
    friend class testing::Win32WindowPeer;

    HWND scoreLabel(ScoreLabel label) const { return label == ScoreLabel::Wins ? wins_ : losses_; }
    double scorePoints(ScoreLabel label) const {
        return label == ScoreLabel::Wins ? winsPoints_ : lossesPoints_;
    }
    HFONT scoreFont(ScoreLabel label) { return fonts_->score(scorePoints(label)); }
    double scoreAdvance(ScoreLabel label) const { return fonts_->scoreAdvance(scorePoints(label)); }
    // The round's steps (ui/control_sink.h), as child windows.
    void makeScore(ScoreLabel label, const design::TwipsRect& rect,
                   std::string_view caption) override;
    void makeLabel2(const design::TwipsRect& rect, std::string_view caption) override;
    void setCaption(ScoreLabel label, std::string_view caption) override;
    bool hasButton(int index) const override { return colorButton(index) != nullptr; }
    void makeButton(int index) override;
    void placeButton(int index, const design::TwipsRect& rect) override;
    void fillButton(int index, ColorValue color, std::string_view name) override;
    void showButton(int index, bool shown) override;
    void putLabelsUnderButtons() override;

    HWND createLabel(const design::TwipsRect& twips, std::string_view caption, DWORD style);
    void fitScore(ScoreLabel label);
    void place(HWND control, const design::TwipsRect& twips) const;
    UINT quietly() const;
    void drawButton(const DRAWITEMSTRUCT& item);
    void drawScore(const DRAWITEMSTRUCT& item);

    HINSTANCE instance_;
    HWND frame_;
    Brushes& brushes_;
    std::unique_ptr<WindowFonts> fonts_;
    const FormModel* model_ = nullptr;
    HWND wins_ = nullptr;
    HWND losses_ = nullptr;
    HWND label2_ = nullptr;
    std::vector<HWND> buttons_;
    // The score font's size for each label now, in points.
    double winsPoints_ = 0;
    double lossesPoints_ = 0;
    // Within a render, while its changes are applied with nothing drawn.
    bool rendering_ = false;
    // The button that has news on it, and the news.
    HWND described_ = nullptr;
    std::wstring news_;
};

}  // namespace tinzel::win32
