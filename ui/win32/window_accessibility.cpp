#include "ui/win32/window_accessibility.h"

#include <optional>
#include <vector>

#include "ui/win32/accessible_object.h"
#include "ui/win32/wide_text.h"

namespace tinzel::win32 {

namespace {

LONG childOf(const VARIANT& child) {
    return child.vt == VT_I4 ? child.lVal : -1;
}

bool contains(const RECT& area, LONG x, LONG y) {
    const POINT point{x, y};
    return PtInRect(&area, point) != FALSE;
}

HRESULT location(const RECT& area, LONG* left, LONG* top, LONG* width, LONG* height) {
    *left = area.left;
    *top = area.top;
    *width = area.right - area.left;
    *height = area.bottom - area.top;
    return S_OK;
}

}  // namespace

// The board: a table whose cells are simple children, numbered row by row from 1.
class BoardObject final : public AccessibleObject {
  public:
    explicit BoardObject(const WindowAccessibility& owner) : owner_(owner) {}

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        *parent = nullptr;
        if (!connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        return AccessibleObjectFromWindow(owner_.frame(), static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IDispatch, reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        *count = connected() ? table().rows() * table().columns() : 0;
        return connected() ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    // Cells are simple children, not objects of their own.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        *object = nullptr;
        return check(child) == S_OK ? S_FALSE : check(child);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        if (const HRESULT valid = check(child); valid != S_OK) {
            return valid;
        }
        const LONG id = childOf(child);
        return text(id == CHILDID_SELF ? L"Board" : widen(table().name(cellOf(id))), name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        *description = nullptr;
        if (const HRESULT valid = check(child); valid != S_OK) {
            return valid;
        }
        const LONG id = childOf(child);
        return id == CHILDID_SELF ? S_FALSE : text(widen(describe(cellOf(id))), description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        VariantInit(role);
        if (const HRESULT valid = check(child); valid != S_OK) {
            return valid;
        }
        *role = number(childOf(child) == CHILDID_SELF ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        VariantInit(state);
        if (const HRESULT valid = check(child); valid != S_OK) {
            return valid;
        }
        LONG flags = STATE_SYSTEM_READONLY;
        if (IsWindowVisible(owner_.frame()) == FALSE) {
            flags |= STATE_SYSTEM_INVISIBLE;
        }
        *state = number(flags);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override {
        VariantInit(focused);
        return connected() ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        *left = *top = *width = *height = 0;
        if (const HRESULT valid = check(child); valid != S_OK) {
            return valid;
        }
        const LONG id = childOf(child);
        return location(id == CHILDID_SELF ? whole() : owner_.cellOnScreen(cellOf(id)), left, top,
                        width, height);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        VariantInit(end);
        if (const HRESULT valid = check(start); valid != S_OK) {
            return valid;
        }
        const LONG id = childOf(start);
        const LONG count = table().rows() * table().columns();
        const LONG columns = table().columns();
        LONG next = 0;
        if (id == CHILDID_SELF) {
            next = direction == NAVDIR_FIRSTCHILD ? 1 : direction == NAVDIR_LASTCHILD ? count : 0;
        } else {
            const LONG column = (id - 1) % columns;
            switch (direction) {
                case NAVDIR_NEXT:
                    next = id + 1;
                    break;
                case NAVDIR_PREVIOUS:
                    next = id - 1;
                    break;
                case NAVDIR_RIGHT:
                    next = column + 1 < columns ? id + 1 : 0;
                    break;
                case NAVDIR_LEFT:
                    next = column > 0 ? id - 1 : 0;
                    break;
                case NAVDIR_DOWN:
                    next = id + columns;
                    break;
                case NAVDIR_UP:
                    next = id - columns;
                    break;
                default:
                    break;
            }
        }
        if (next < 1 || next > count) {
            return S_FALSE;
        }
        *end = number(next);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* found) override {
        VariantInit(found);
        if (!connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        for (LONG id = 1; id <= table().rows() * table().columns(); ++id) {
            if (contains(owner_.cellOnScreen(cellOf(id)), x, y)) {
                *found = number(id);
                return S_OK;
            }
        }
        if (!contains(whole(), x, y)) {
            return S_FALSE;
        }
        *found = number(CHILDID_SELF);
        return S_OK;
    }

  private:
    const BoardTable& table() const { return owner_.table(); }

    TableCell cellOf(LONG id) const {
        return {(id - 1) / table().columns(), (id - 1) % table().columns()};
    }

    // S_OK for the board itself or one of its cells.
    HRESULT check(const VARIANT& child) const {
        if (!connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        const LONG id = childOf(child);
        return id >= 0 && id <= table().rows() * table().columns() ? S_OK : E_INVALIDARG;
    }

    RECT whole() const {
        RECT around{};
        for (LONG id = 1; id <= table().rows() * table().columns(); ++id) {
            const RECT cell = owner_.cellOnScreen(cellOf(id));
            UnionRect(&around, &around, &cell);
        }
        return around;
    }

    const WindowAccessibility& owner_;
};

// The window's client area: the system's own object for it, whose children are the board and
// each shown control but the one left out, by the control's own object (its button or text,
// named by its window's text; Wine's objects for the child windows themselves say nothing).
class ClientObject final : public AccessibleObject {
  public:
    ClientObject(WindowAccessibility& owner, IAccessible* standard)
        : owner_(owner), standard_(standard) {}

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        *parent = nullptr;
        return connected() ? standard_->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        *count = connected() ? static_cast<LONG>(controls().size()) + 1 : 0;
        return connected() ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        *object = nullptr;
        if (!connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        const LONG id = childOf(child);
        if (id == 1) {
            *object = owner_.board();
            return S_OK;
        }
        const std::vector<HWND> shown = controls();
        if (id < 2 || id > static_cast<LONG>(shown.size()) + 1) {
            return E_INVALIDARG;
        }
        *object = objectOf(shown[static_cast<std::size_t>(id - 2)]);
        return *object != nullptr ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        return self(child) ? standard_->get_accName(child, name) : refuse();
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        *description = nullptr;
        return self(child) ? standard_->get_accDescription(child, description) : refuse();
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        VariantInit(role);
        return self(child) ? standard_->get_accRole(child, role) : refuse();
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        VariantInit(state);
        return self(child) ? standard_->get_accState(child, state) : refuse();
    }
    // The control that holds the focus, or the client area itself.
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override {
        VariantInit(focused);
        if (!connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        HWND focus = GetFocus();
        if (focus == owner_.frame()) {
            *focused = number(CHILDID_SELF);
            return S_OK;
        }
        if (focus == nullptr || GetParent(focus) != owner_.frame()) {
            return S_FALSE;
        }
        focused->vt = VT_DISPATCH;
        focused->pdispVal = objectOf(focus);
        return focused->pdispVal != nullptr ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        *left = *top = *width = *height = 0;
        return self(child) ? standard_->accLocation(left, top, width, height, child) : refuse();
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        VariantInit(end);
        if (!connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        if (!self(start) || (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD)) {
            return S_FALSE;
        }
        const std::vector<HWND> shown = controls();
        end->vt = VT_DISPATCH;
        end->pdispVal = direction == NAVDIR_FIRSTCHILD || shown.empty() ? owner_.board()
                                                                        : objectOf(shown.back());
        return end->pdispVal != nullptr ? S_OK : S_FALSE;
    }
    // A control where one is (the buttons lie over the board), else the board, else the
    // client area itself.
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* found) override {
        VariantInit(found);
        if (!connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        RECT client;
        GetClientRect(owner_.frame(), &client);
        MapWindowPoints(owner_.frame(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        if (!contains(client, x, y)) {
            return S_FALSE;
        }
        for (HWND control : controls()) {
            RECT area;
            GetWindowRect(control, &area);
            if (contains(area, x, y)) {
                found->vt = VT_DISPATCH;
                found->pdispVal = objectOf(control);
                return found->pdispVal != nullptr ? S_OK : E_FAIL;
            }
        }
        IAccessible* board = owner_.board();
        VARIANT onBoard;
        if (SUCCEEDED(board->accHitTest(x, y, &onBoard)) && onBoard.vt == VT_I4) {
            found->vt = VT_DISPATCH;
            found->pdispVal = board;
            return S_OK;
        }
        board->Release();
        *found = number(CHILDID_SELF);
        return S_OK;
    }

  protected:
    ~ClientObject() override { standard_->Release(); }

  private:
    bool self(const VARIANT& child) const { return connected() && childOf(child) == CHILDID_SELF; }
    HRESULT refuse() const { return connected() ? E_INVALIDARG : CO_E_OBJNOTCONNECTED; }

    // The shown child windows but the one left out, in their order (the colour buttons from
    // the top, then the scores).
    std::vector<HWND> controls() const {
        std::vector<HWND> shown;
        for (HWND child = GetWindow(owner_.frame(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (child != owner_.leftOut() && IsWindowVisible(child) != FALSE) {
                shown.push_back(child);
            }
        }
        return shown;
    }
    static IDispatch* objectOf(HWND control) {
        IDispatch* object = nullptr;
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                                   reinterpret_cast<void**>(&object));
        return object;
    }

    WindowAccessibility& owner_;
    IAccessible* standard_;
};

WindowAccessibility::WindowAccessibility(HWND frame, Placement placement)
    : frame_(frame), placement_(std::move(placement)) {}

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
        board_ = new BoardObject(*this);
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
        client_ = new ClientObject(*this, standard);
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
