// Answering WM_GETOBJECT with the window's MSAA objects, and announcing renamed cells.
#include "ui/win32/window_accessibility.h"

#include "ui/win32/accessible_object.h"
#include "ui/win32/board_object.h"
#include "ui/win32/client_object.h"

namespace tinzel::win32 {

WindowAccessibility::WindowAccessibility(HWND frame, Placement placement, ControlOf controlOf)
    : frame_(frame), placement_(std::move(placement)), controlOf_(std::move(controlOf)) {}

WindowAccessibility::~WindowAccessibility() {
    for (AccessibleObject* object :
         {static_cast<AccessibleObject*>(board_), static_cast<AccessibleObject*>(client_)}) {
        if (object != nullptr) {
            object->disconnect();
            object->Release();
        }
    }
}

void WindowAccessibility::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    table_ = BoardTable(&model);
    if (IsWinEventHookInstalled(EVENT_OBJECT_NAMECHANGE) == FALSE) {
        return;
    }
    for (const TableCell& cell : table_.renamed(changes)) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, frame_, kBoardObjectId,
                       cell.row * table_.columns() + cell.column + 1);
    }
}

void WindowAccessibility::unload() {
    model_ = nullptr;
    table_ = BoardTable();
}

std::vector<HWND> WindowAccessibility::controls() const {
    std::vector<HWND> shown;
    for (const PanelChild& child : panelChildren(model_)) {
        HWND control = controlOf_(child);
        if (control != nullptr && IsWindowVisible(control) != FALSE) {
            shown.push_back(control);
        }
    }
    return shown;
}

RECT WindowAccessibility::cellOnScreen(TableCell cell) const {
    const int square = table_.squareAt(cell);
    if (square < 0) {
        return RECT{};
    }
    RECT area = placement_(model_->element(ControlArray::Square, square).rect);
    MapWindowPoints(frame_, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

IAccessible* WindowAccessibility::board() {
    if (board_ == nullptr) {
        board_ = newBoardObject(*this);
    }
    board_->AddRef();
    return board_;
}

IAccessible* WindowAccessibility::client() {
    if (client_ == nullptr) {
        IAccessible* standard = nullptr;
        if (FAILED(CreateStdAccessibleObject(frame_, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&standard)))) {
            return nullptr;
        }
        client_ = newClientObject(*this, standard);
    }
    client_->AddRef();
    return client_;
}

LRESULT WindowAccessibility::answer(WPARAM flags, LPARAM objectId) {
    const auto id = static_cast<LONG>(static_cast<DWORD>(objectId));
    IAccessible* object = id == OBJID_CLIENT ? client() : id == kBoardObjectId ? board() : nullptr;
    if (object == nullptr) {
        return 0;
    }
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return result;
}

}  // namespace tinzel::win32
