// The colour button's object with a description of its own, over the system's object.
#include "ui/win32/described_button.h"

namespace tinzel::win32 {

namespace {

class DescribedButton final : public AccessibleObject {
  public:
    DescribedButton(IAccessible* standard, std::wstring news)
        : standard_(standard), news_(std::move(news)) {}

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (childOf(child) != CHILDID_SELF) {
            return standard_->get_accDescription(child, description);
        }
        return text(news_, description);
    }
    // The rest is the system's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override {
        return standard_->get_accFocus(focused);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* found) override {
        return standard_->accHitTest(x, y, found);
    }

  protected:
    ~DescribedButton() override { standard_->Release(); }

  private:
    IAccessible* standard_;
    std::wstring news_;
};

}  // namespace

LRESULT describedButtonObject(HWND button, WPARAM flags, const std::wstring& news) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(button, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* object = new DescribedButton(standard, news);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return result;
}

}  // namespace tinzel::win32
