// The board's MSAA table object: its cells' names, places and hit tests.
#include "ui/win32/board_object.h"

#include "ui/win32/wide_text.h"

namespace tinzel::win32 {

namespace {

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
        return text(widen(id == CHILDID_SELF ? std::string(kBoardName) : table().name(cellOf(id))),
                    name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        *description = nullptr;
        if (const HRESULT valid = check(child); valid != S_OK) {
            return valid;
        }
        const LONG id = childOf(child);
        return id == CHILDID_SELF ? S_FALSE : text(widen(cellPlace(cellOf(id))), description);
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

}  // namespace

AccessibleObject* newBoardObject(const WindowAccessibility& owner) {
    return new BoardObject(owner);
}

}  // namespace tinzel::win32
