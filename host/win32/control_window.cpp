#include "host/win32/control_window.h"

#include <atomic>
#include <memory>
#include <unordered_map>

#include "host/win32/accessibility_library.h"

namespace host::win32 {
namespace {

// IAccessible's interface id, written out: the import library's copy is a reference into the
// DLL, which not every compiler reads through.
constexpr GUID kIAccessible{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kIDispatch{
    0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIUnknown{
    0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

bool isSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The platform's accessible object of the control, with its name and description replaced.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* standard, const ControlWindowHooks& hooks,
                  const AccessibilityLibrary& library)
      : standard_(standard),
        name_(hooks.name),
        description_(hooks.description),
        library_(library) {}
  ~NamedAccessible() { standard_->Release(); }
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown: the object owns itself while references to it are held.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualGUID(id, kIUnknown) || IsEqualGUID(id, kIDispatch) ||
        IsEqualGUID(id, kIAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) std::unique_ptr<NamedAccessible> last(this);
    return left;
  }

  // The name and description; everything else is the platform's.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!isSelf(child) || name_.empty()) return standard_->get_accName(child, name);
    return copy(name_, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    if (!isSelf(child) || description_.empty()) return standard_->get_accDescription(child, text);
    return copy(description_, text);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override {
    return standard_->Invoke(member, id, locale, flags, parameters, result, exception, badArgument);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  HRESULT copy(const std::wstring& from, BSTR* to) const {
    if (!to) return E_POINTER;
    *to = library_.allocateString(from.c_str());
    return *to ? S_OK : E_OUTOFMEMORY;
  }

  std::atomic<ULONG> references_{1};
  IAccessible* standard_;  // one reference, ours
  std::wstring name_;
  std::wstring description_;
  const AccessibilityLibrary& library_;
};

LRESULT accessibleObject(HWND window, const ControlWindowHooks& hooks, WPARAM flags) {
  const AccessibilityLibrary* library = AccessibilityLibrary::get();
  if (!library) return 0;
  void* standard = nullptr;
  if (FAILED(library->createStandardObject(window, OBJID_CLIENT, kIAccessible, &standard))) {
    return 0;
  }
  auto* named =
      std::make_unique<NamedAccessible>(static_cast<IAccessible*>(standard), hooks, *library)
          .release();
  const LRESULT result = library->resultFromObject(kIAccessible, flags, named);
  named->Release();
  return result > 0 ? result : 0;
}

// Each hooked window's hooks, kept in the process rather than as a window property: the
// procedure runs for every message a control gets, and a window property is a request to the
// window server wherever that runs in a process of its own. A window's messages all come on the
// thread that made it, so each thread keeps its own windows.
std::unordered_map<HWND, const ControlWindowHooks*>& hookedWindows() {
  static thread_local std::unordered_map<HWND, const ControlWindowHooks*> windows;
  return windows;
}

const ControlWindowHooks* hooksOf(HWND window) {
  const auto found = hookedWindows().find(window);
  return found == hookedWindows().end() ? nullptr : found->second;
}

LRESULT CALLBACK controlProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  const ControlWindowHooks* hooks = hooksOf(window);
  if (!hooks) return DefWindowProcW(window, message, w, l);
  const WNDPROC platform = hooks->platformProcedure;
  switch (message) {
    case WM_LBUTTONDBLCLK:
      if (hooks->pressOnEveryClick) message = WM_LBUTTONDOWN;
      break;
    case WM_GETOBJECT:
      if (static_cast<DWORD>(l) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT object = accessibleObject(window, *hooks, w)) return object;
      }
      break;
    case WM_NCDESTROY:
      hookedWindows().erase(window);
      break;
    default:
      break;
  }
  return CallWindowProcW(platform, window, message, w, l);
}

}  // namespace

void hookControlWindow(HWND window, ControlWindowHooks& hooks) {
  hookedWindows()[window] = &hooks;
  hooks.platformProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProcedure)));
}

}  // namespace host::win32
