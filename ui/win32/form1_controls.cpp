// The window's child windows, made and set as a round's steps say, and drawn.
#include "ui/win32/form1_controls.h"

#include <cmath>
#include <string>

#include "game/game_error.h"
#include "game/palette.h"
#include "ui/form_look.h"
#include "ui/score_fit.h"
#include "ui/twips.h"
#include "ui/win32/described_button.h"
#include "ui/win32/score_text.h"
#include "ui/win32/wide_text.h"

namespace tinzel::win32 {

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw GameError(GameError::Kind::WindowOperationFailed, what);
}

// A kept control mostly has its text already, and every change is news to assistive tools:
// a text is set only when it differs from this.
std::wstring textOf(HWND window) {
    std::wstring current(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    current.resize(static_cast<std::size_t>(
        GetWindowTextW(window, current.data(), static_cast<int>(current.size()))));
    return current;
}

// Sets a control's text past its own handling, which would draw it at once: the render
// draws it with the rest. Assistive tools still hear of the change.
void setTextQuietly(HWND control, const std::wstring& text) {
    if (textOf(control) != text) {
        DefWindowProcW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

// The button class's own procedure, to which a colour button hands on its messages.
WNDPROC buttonClassProcedure = nullptr;

// The button class turns a second click that comes within the double-click time into a double
// click, and an owner-drawn button answers that with a notification of its own alone: no
// press, no capture, no click. A player who answers with the same button twice running means
// two clicks, so the second is handed on as the press it is and looks and acts as the first.
// A round's news is its description for assistive tools while it has the focus.
LRESULT CALLBACK colorButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT || message == WM_KILLFOCUS) {
        auto* controls = reinterpret_cast<Form1Controls*>(GetWindowLongPtrW(button, GWLP_USERDATA));
        if (controls != nullptr) {
            const LRESULT answer = controls->buttonMessage(button, message, wParam, lParam);
            if (answer != 0) {
                return answer;
            }
        }
    }
    return CallWindowProcW(buttonClassProcedure, button,
                           message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, wParam, lParam);
}

}  // namespace

Form1Controls::Form1Controls(HINSTANCE instance, HWND frame, Brushes& brushes)
    : instance_(instance),
      frame_(frame),
      brushes_(brushes),
      fonts_(std::make_unique<WindowFonts>(dpiOf(frame))) {}

RECT Form1Controls::pixels(const design::TwipsRect& twips) const {
    const PixelRect area = twipsToPixels(twips, dpi(), dpi());
    return RECT{area.left, area.top, area.right, area.bottom};
}

// Every change is applied with nothing drawn; what it touched is marked to be drawn.
void Form1Controls::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    rendering_ = true;
    applyRound(model, changes, *this);
    rendering_ = false;
}

void Form1Controls::unload() {
    model_ = nullptr;
}

void Form1Controls::changeDpi(int dpi) {
    fonts_ = std::make_unique<WindowFonts>(dpi);
    if (model_ == nullptr) {
        return;
    }
    place(wins_, design::kWins);
    place(losses_, design::kLosses);
    place(label2_, design::kLabel2);
    fitScore(ScoreLabel::Wins);
    fitScore(ScoreLabel::Losses);
    SendMessageW(label2_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->label()), TRUE);
    for (int index = 0; index < static_cast<int>(buttons_.size()); ++index) {
        if (HWND button = colorButton(index);
            button != nullptr && model_->exists(ControlArray::Color, index)) {
            place(button, model_->element(ControlArray::Color, index).rect);
        }
    }
}

void Form1Controls::makeScore(ScoreLabel label, const design::TwipsRect& rect,
                              std::string_view caption) {
    (label == ScoreLabel::Wins ? wins_ : losses_) = createLabel(rect, caption, SS_OWNERDRAW);
    fitScore(label);
}

void Form1Controls::makeLabel2(const design::TwipsRect& rect, std::string_view caption) {
    label2_ = createLabel(rect, caption, SS_LEFT);
    SendMessageW(label2_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->label()), FALSE);
}

HWND Form1Controls::createLabel(const design::TwipsRect& twips, std::string_view caption,
                                DWORD style) {
    const std::wstring text = widen(caption);
    const RECT area = pixels(twips);
    HWND label =
        CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                        area.left, area.top, area.right - area.left, area.bottom - area.top, frame_,
                        nullptr, instance_, nullptr);
    if (label == nullptr) {
        fail("Cannot create a label");
    }
    return label;
}

// Made with no size: its place is the next step.
void Form1Controls::makeButton(int index) {
    HWND button = CreateWindowExW(
        0, L"BUTTON", L"", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0, 0,
        frame_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + index)), instance_,
        nullptr);
    if (button == nullptr) {
        fail("Cannot create " + elementName(ControlArray::Color, index));
    }
    SetWindowLongPtrW(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    buttonClassProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&colorButtonProcedure)));
    if (buttons_.size() <= static_cast<std::size_t>(index)) {
        buttons_.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    buttons_[static_cast<std::size_t>(index)] = button;
    // A new child window goes to the bottom of the stacking order, which is the order Tab
    // walks; a button made before one above it in the column is moved to its place.
    for (std::size_t below = static_cast<std::size_t>(index) + 1; below < buttons_.size();
         ++below) {
        if (buttons_[below] != nullptr) {
            HWND above = HWND_TOP;
            for (int previous = index - 1; previous >= 0; --previous) {
                if (HWND found = colorButton(previous)) {
                    above = found;
                    break;
                }
            }
            SetWindowPos(button, above, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | quietly());
            break;
        }
    }
}

// A button moved or shown while nothing is drawn is marked to be drawn where it is now.
void Form1Controls::placeButton(int index, const design::TwipsRect& rect) {
    place(colorButton(index), rect);
    InvalidateRect(colorButton(index), nullptr, FALSE);
}

void Form1Controls::showButton(int index, bool shown) {
    HWND button = colorButton(index);
    if (((GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE) != 0) != shown) {
        SetWindowPos(button, nullptr, 0, 0, 0, 0,
                     (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOMOVE | SWP_NOSIZE |
                         SWP_NOZORDER | SWP_NOACTIVATE | quietly());
    }
    if (shown) {
        InvalidateRect(button, nullptr, FALSE);
    }
}

// A new child window goes under its siblings, the labels too: they go back under every
// button, which keep their order for Tab.
void Form1Controls::putLabelsUnderButtons() {
    for (HWND label : {label2_, losses_, wins_}) {
        SetWindowPos(label, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | quietly());
    }
}

// The button paints its colour from the model as it draws. An owner-drawn button never
// shows its text, so the text is free to be what assistive tools read out: its name.
void Form1Controls::fillButton(int index, ColorValue /*color*/, std::string_view name) {
    setTextQuietly(colorButton(index), widen(name));
    InvalidateRect(colorButton(index), nullptr, FALSE);
}

void Form1Controls::setCaption(ScoreLabel label, std::string_view caption) {
    setTextQuietly(scoreLabel(label), widen(caption));
    fitScore(label);
}

// The score's size for its whole caption to fit inside its frame; the label is drawn anew.
void Form1Controls::fitScore(ScoreLabel label) {
    HWND control = scoreLabel(label);
    RECT inside;
    GetClientRect(control, &inside);
    const auto advanceAt = [&](double points) { return fonts_->scoreAdvance(points); };
    (label == ScoreLabel::Wins ? winsPoints_ : lossesPoints_) =
        fitScoreLabel(inside.right, model_->caption(label), advanceAt);
    InvalidateRect(control, nullptr, FALSE);
}

void Form1Controls::place(HWND control, const design::TwipsRect& twips) const {
    const RECT area = pixels(twips);
    // A control kept from the round before is mostly in its place already.
    RECT now;
    GetWindowRect(control, &now);
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&now, &area) == FALSE) {
        SetWindowPos(control, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE | quietly());
    }
}

// While a render runs, a control moved, shown or hidden leaves the screen as it is: the
// window draws what changed once the render has applied everything.
UINT Form1Controls::quietly() const {
    return rendering_ ? SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_DEFERERASE : 0;
}

HWND Form1Controls::colorButton(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < buttons_.size()
               ? buttons_[static_cast<std::size_t>(index)]
               : nullptr;
}

void Form1Controls::describeButton(int index, std::string_view news) {
    described_ = colorButton(index);
    news_ = widen(news);
    if (described_ != nullptr) {
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, described_, OBJID_CLIENT, CHILDID_SELF);
    }
}

LRESULT Form1Controls::buttonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (button != described_) {
        return 0;
    }
    if (message == WM_KILLFOCUS) {
        described_ = nullptr;
        return 0;
    }
    const auto id = static_cast<LONG>(static_cast<DWORD>(lParam));
    return id == OBJID_CLIENT ? describedButtonObject(button, wParam, news_) : 0;
}

HWND Form1Controls::controlOf(const PanelChild& child) const {
    switch (child.kind) {
        case PanelChild::Kind::Button:
            return colorButton(child.button);
        case PanelChild::Kind::Score:
            return scoreLabel(child.score);
        case PanelChild::Kind::Board:
            break;
    }
    return nullptr;
}

int Form1Controls::buttonIndexOf(HWND control) const {
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        if (control != nullptr && buttons_[index] == control) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void Form1Controls::draw(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_STATIC) {
        drawScore(item);
    } else {
        drawButton(item);
    }
}

void Form1Controls::drawButton(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.CtlID) - kFirstButtonId;
    const ColorValue fill = model_ != nullptr && model_->exists(ControlArray::Color, index)
                                ? model_->element(ControlArray::Color, index).backColor
                                : Palette[0];
    const RECT& area = item.rcItem;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const POINT origin{area.left, area.top};
    FillRect(item.hDC, &area, brushes_.of(fill));
    const ColorValue ring = look::ringColor(fill);
    if ((item.itemState & ODS_SELECTED) != 0) {
        brushes_.fill(item.hDC, look::frame(width, height, look::kPressedEdgeWidth), origin, ring);
    } else {
        brushes_.fill(item.hDC, look::frame(width, height, look::kButtonEdgeWidth), origin,
                      look::kButtonEdgeColor);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        brushes_.fill(item.hDC, look::focusRing(width, height), origin, ring);
    }
}

// A score: the platform's label colours, a frame in its text colour, and the caption set in
// from the frame's inside top left.
void Form1Controls::drawScore(const DRAWITEMSTRUCT& item) {
    const ScoreLabel label = item.hwndItem == wins_ ? ScoreLabel::Wins : ScoreLabel::Losses;
    const RECT& area = item.rcItem;
    const auto ink = static_cast<ColorValue>(GetSysColor(COLOR_WINDOWTEXT));
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_3DFACE));
    brushes_.fill(
        item.hDC,
        look::frame(area.right - area.left, area.bottom - area.top, look::kScoreFrameWidth),
        POINT{area.left, area.top}, ink);
    RECT inside = area;
    InflateRect(&inside, -look::kScoreFrameWidth, -look::kScoreFrameWidth);
    drawScoreText(item.hDC, scoreFont(label), scoreAdvance(label), inside, textOf(item.hwndItem),
                  static_cast<COLORREF>(ink));
}

}  // namespace tinzel::win32
