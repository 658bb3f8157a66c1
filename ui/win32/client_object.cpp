// The client area's MSAA object: its children in their order, the focus and hit tests.
#include "ui/win32/client_object.h"

#include <vector>

namespace tinzel::win32 {

namespace {

// The window's client area: the system's own object for it, whose children are the board and
// the panel's shown controls in their reading order, each by the control's own object (its
// button or text, named by its window's text; Wine's objects for the child windows
// themselves say nothing).
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

    std::vector<HWND> controls() const { return owner_.controls(); }
    static IDispatch* objectOf(HWND control) {
        IDispatch* object = nullptr;
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                                   reinterpret_cast<void**>(&object));
        return object;
    }

    WindowAccessibility& owner_;
    IAccessible* standard_;
};

}  // namespace

AccessibleObject* newClientObject(WindowAccessibility& owner, IAccessible* standard) {
    return new ClientObject(owner, standard);
}

}  // namespace tinzel::win32
