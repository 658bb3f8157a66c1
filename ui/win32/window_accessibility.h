// What the window Form1 tells a screen reader over MSAA, the same as every window tells it:
// its client area holds the board as one table (ROLE_SYSTEM_TABLE) of cells named by colour,
// the colour buttons named by colour, and the scores; Label2, a one-pixel line of no meaning,
// is left out. The window answers WM_GETOBJECT through this, and each round announces the
// cells it renamed (EVENT_OBJECT_NAMECHANGE on the board's object).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// clang-format off
#include <oleacc.h>  // needs <windows.h> first
// clang-format on

#include <functional>
#include <vector>

#include "ui/board_table.h"
#include "ui/form_changes.h"
#include "ui/form_model.h"
#include "ui/panel_reading.h"

namespace tinzel::win32 {

class AccessibleObject;

class WindowAccessibility {
  public:
    // The board's object, as WM_GETOBJECT and the window's events name it.
    static constexpr LONG kBoardObjectId = 1;
    // Where a rectangle of the design lies in the window's client area, in pixels.
    using Placement = std::function<RECT(const design::TwipsRect&)>;
    // The child window that shows a part of the panel, or null.
    using ControlOf = std::function<HWND(const PanelChild&)>;

    WindowAccessibility(HWND frame, Placement placement, ControlOf controlOf);
    // Disconnects the objects handed out: a screen reader may still hold them.
    ~WindowAccessibility();
    WindowAccessibility(const WindowAccessibility&) = delete;
    WindowAccessibility& operator=(const WindowAccessibility&) = delete;

    // The board as a render drew `model`; each cell it renamed is announced to whoever listens.
    void render(const FormModel& model, const FormChanges& changes);
    // Between rounds there is no board.
    void unload();

    // The answer to WM_GETOBJECT, or 0 where the system's own object is the answer.
    LRESULT answer(WPARAM flags, LPARAM objectId);

    // What the objects read.
    HWND frame() const { return frame_; }
    // The child windows of the panel in their reading order (ui/panel_reading.h): the board
    // comes before them, and is an object of its own.
    std::vector<HWND> controls() const;
    const BoardTable& table() const { return table_; }
    // A cell's square on the screen; empty where no square is shown.
    RECT cellOnScreen(TableCell cell) const;
    // The objects, made when first asked for; each call hands out a reference.
    IAccessible* board();
    IAccessible* client();

  private:
    HWND frame_;
    Placement placement_;
    ControlOf controlOf_;
    const FormModel* model_ = nullptr;
    BoardTable table_;
    AccessibleObject* board_ = nullptr;
    AccessibleObject* client_ = nullptr;
};

}  // namespace tinzel::win32
