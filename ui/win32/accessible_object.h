// What every accessible object of the window shares, for MSAA (what NVDA and JAWS read, and
// Narrator through its proxy): COM's reference counting and interfaces, no scripting through
// IDispatch, and an answer for each question an object has nothing to say to. An object that
// outlives the window it speaks for (a screen reader may hold on to it) is disconnected and
// then answers every question so.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// clang-format off
#include <oleacc.h>  // needs <windows.h> first
// clang-format on

#include <string>

namespace tinzel::win32 {

class AccessibleObject : public IAccessible {
  public:
    AccessibleObject() = default;
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // The window went: every question is answered with CO_E_OBJNOTCONNECTED from now on, and
    // COM lets go of the object's remote references.
    void disconnect() {
        connected_ = false;
        CoDisconnectObject(this, 0);
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
            IsEqualIID(id, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --references_;
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: none of the object's questions is asked by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: what none of the window's objects has.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override { return nothing(value); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return nothing(help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        *topic = 0;
        return nothing(file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
        return nothing(shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override {
        VariantInit(selected);
        return connected_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override {
        return nothing(action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return notHere(); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return notHere(); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return notHere(); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return notHere(); }

  protected:
    virtual ~AccessibleObject() = default;

    // The child a VARIANT names, or -1.
    static LONG childOf(const VARIANT& child) { return child.vt == VT_I4 ? child.lVal : -1; }
    static bool contains(const RECT& area, LONG x, LONG y) {
        const POINT point{x, y};
        return PtInRect(&area, point) != FALSE;
    }
    static HRESULT location(const RECT& area, LONG* left, LONG* top, LONG* width, LONG* height) {
        *left = area.left;
        *top = area.top;
        *width = area.right - area.left;
        *height = area.bottom - area.top;
        return S_OK;
    }

    bool connected() const { return connected_; }

    HRESULT nothing(BSTR* text) const {
        *text = nullptr;
        return connected_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT notHere() const { return connected_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED; }

    static HRESULT text(const std::wstring& text, BSTR* out) {
        *out = SysAllocString(text.c_str());
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    static VARIANT number(LONG value) {
        VARIANT variant;
        VariantInit(&variant);
        variant.vt = VT_I4;
        variant.lVal = value;
        return variant;
    }

  private:
    long references_ = 1;
    bool connected_ = true;
};

}  // namespace tinzel::win32
