#include "host/win32/accessible_control.h"

#include <oleacc.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <memory>
#include <string>

#include "host/win32/accessibility_library.h"

namespace host::win32 {
namespace {

// The interface ids, written out: the import library's copies are references into the DLLs,
// which the program does not import.
constexpr GUID kIAccessible{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kIDispatch{
    0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIUnknown{
    0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// What assistive technology is told of each control type, one row for every type. A type without
// a default action has none to perform. A control of a kind the host does not know (an adopted
// dialog's label or list) has no role here: the platform's own object, which knows its class,
// answers for it.
struct TypeAnswers {
  ControlType type;
  long role;
  bool checkable;
  const wchar_t* action;         // the default action, or null
  const wchar_t* checkedAction;  // the default action once checked
};
constexpr TypeAnswers kTypeAnswers[] = {
    {ControlType::CommandButton, ROLE_SYSTEM_PUSHBUTTON, false, L"Press", L"Press"},
    {ControlType::CheckBox, ROLE_SYSTEM_CHECKBUTTON, true, L"Check", L"Uncheck"},
    {ControlType::OptionButton, ROLE_SYSTEM_RADIOBUTTON, true, L"Select", L"Select"},
    {ControlType::TextBox, ROLE_SYSTEM_TEXT, false, nullptr, nullptr},
    {ControlType::Other, 0, false, nullptr, nullptr},
};

constexpr bool everyTypeAnsweredOnce() {
  for (std::size_t type = 0; type < kControlTypeCount; ++type) {
    int rows = 0;
    for (const TypeAnswers& answers : kTypeAnswers) {
      rows += answers.type == static_cast<ControlType>(type) ? 1 : 0;
    }
    if (rows != 1) return false;
  }
  return true;
}
static_assert(everyTypeAnsweredOnce(), "every control type needs one row of answers");

const TypeAnswers& answersFor(ControlType type) {
  return *std::find_if(std::begin(kTypeAnswers), std::end(kTypeAnswers),
                       [type](const TypeAnswers& answers) { return answers.type == type; });
}

bool isSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

void setSelf(VARIANT* child) {
  child->vt = VT_I4;
  child->lVal = CHILDID_SELF;
}

std::wstring wideWindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      std::max(0, GetWindowTextW(window, text.data(), static_cast<int>(text.size())))));
  return text;
}

// A caption as it reads: the platform underlines the letter after "&" and shows "&&" as "&".
std::wstring withoutMnemonic(const std::wstring& caption) {
  std::wstring shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

// The client area in screen coordinates.
RECT screenRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// One control's accessible object. It holds the window handle, not the host's record of the
// control: a screen reader may keep the object after the window is gone, and every answer then
// says the object is no longer connected.
class ControlAccessible final : public IAccessible {
 public:
  ControlAccessible(HWND window, const ControlWindowHooks& hooks,
                    const AccessibilityLibrary& library)
      : window_(window),
        answers_(answersFor(hooks.type)),
        name_(hooks.name),
        description_(hooks.description),
        library_(library) {}
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  // IUnknown: the object owns itself while references to it are held.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualGUID(id, kIUnknown) && !IsEqualGUID(id, kIDispatch) &&
        !IsEqualGUID(id, kIAccessible)) {
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) std::unique_ptr<ControlAccessible> last(this);
    return left;
  }

  // IDispatch: clients call IAccessible directly; there is no type information to give.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
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

  // The tree: the control's client area has no children; its parent is the platform's object
  // of the control's window, a child of the form's client area, which lists the controls'
  // windows in their stacking order, the tab order.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!IsWindow(window_)) return CO_E_OBJNOTCONNECTED;
    return library_.objectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), kIDispatch,
                                     reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    end->vt = VT_EMPTY;
    if (const HRESULT checked = check(start); FAILED(checked)) return checked;
    // No children, and the siblings of a window's client area are its window's to list.
    return direction >= NAVDIR_UP && direction <= NAVDIR_LASTCHILD ? S_FALSE : E_INVALIDARG;
  }

  // What the control is.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (const HRESULT checked = check(child, name); FAILED(checked)) return checked;
    return copy(name_.empty() ? withoutMnemonic(wideWindowText(window_)) : name_, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    if (const HRESULT checked = check(child, text); FAILED(checked)) return checked;
    return description_.empty() ? S_FALSE : copy(description_, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    role->vt = VT_EMPTY;
    if (const HRESULT checked = check(child); FAILED(checked)) return checked;
    role->vt = VT_I4;
    role->lVal = answers_.role;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    state->vt = VT_EMPTY;
    if (const HRESULT checked = check(child); FAILED(checked)) return checked;
    state->vt = VT_I4;
    state->lVal = static_cast<LONG>(currentState());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (const HRESULT checked = check(child, value); FAILED(checked)) return checked;
    if (answers_.type != ControlType::TextBox) return DISP_E_MEMBERNOTFOUND;
    return copy(wideWindowText(window_), value);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    const HRESULT checked = check(child, help);
    return FAILED(checked) ? checked : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    const HRESULT checked = check(child);
    return FAILED(checked) ? checked : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    const HRESULT checked = check(child, keys);
    return FAILED(checked) ? checked : S_FALSE;
  }

  // Where it is and whether it has the focus.
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    if (const HRESULT checked = check(child); FAILED(checked)) return checked;
    const RECT rect = screenRect(window_);
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    if (!child) return E_POINTER;
    child->vt = VT_EMPTY;
    if (!IsWindow(window_)) return CO_E_OBJNOTCONNECTED;
    const RECT rect = screenRect(window_);
    if (!PtInRect(&rect, POINT{x, y})) return S_FALSE;
    setSelf(child);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    if (!child) return E_POINTER;
    child->vt = VT_EMPTY;
    if (!IsWindow(window_)) return CO_E_OBJNOTCONNECTED;
    if (GetFocus() != window_) return S_FALSE;
    setSelf(child);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    if (!children) return E_POINTER;
    children->vt = VT_EMPTY;
    return IsWindow(window_) ? S_FALSE : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (const HRESULT checked = check(child); FAILED(checked)) return checked;
    if (flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;
    if (!(currentState() & STATE_SYSTEM_FOCUSABLE)) return E_FAIL;
    SetFocus(window_);
    return S_OK;
  }

  // What pressing it does, and doing it.
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (const HRESULT checked = check(child, action); FAILED(checked)) return checked;
    const wchar_t* text = isChecked() ? answers_.checkedAction : answers_.action;
    return text ? copy(text, action) : DISP_E_MEMBERNOTFOUND;
  }
  // The press is posted, as a click is: the program's click handler may run long and yield,
  // and a screen reader's call waits for the answer, not for the handler.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (const HRESULT checked = check(child); FAILED(checked)) return checked;
    if (!answers_.action) return DISP_E_MEMBERNOTFOUND;
    if (!IsWindowEnabled(window_)) return E_FAIL;
    return PostMessageW(window_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
  }

  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // Whether the question is about this object while its window exists.
  HRESULT check(const VARIANT& child) const {
    if (!IsWindow(window_)) return CO_E_OBJNOTCONNECTED;
    return isSelf(child) ? S_OK : E_INVALIDARG;
  }
  // The same for a question answered in text, whose answer starts empty.
  HRESULT check(const VARIANT& child, BSTR* text) const {
    if (!text) return E_POINTER;
    *text = nullptr;
    return check(child);
  }

  bool isChecked() const {
    return answers_.checkable && SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  DWORD currentState() const {
    DWORD state = 0;
    const bool enabled = IsWindowEnabled(window_) != FALSE;
    const bool visible = IsWindowVisible(window_) != FALSE;
    if (!enabled) state |= STATE_SYSTEM_UNAVAILABLE;
    if (!visible) state |= STATE_SYSTEM_INVISIBLE;
    if (enabled && visible) state |= STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == window_) state |= STATE_SYSTEM_FOCUSED;
    if (isChecked()) state |= STATE_SYSTEM_CHECKED;
    return state;
  }

  HRESULT copy(const std::wstring& from, BSTR* to) const {
    if (!to) return E_POINTER;
    *to = library_.allocateString(from.c_str());
    return *to ? S_OK : E_OUTOFMEMORY;
  }

  std::atomic<ULONG> references_{1};
  HWND window_;
  const TypeAnswers& answers_;
  std::wstring name_;
  std::wstring description_;
  const AccessibilityLibrary& library_;
};

}  // namespace

LRESULT answerAccessibleObject(HWND window, const ControlWindowHooks& hooks, WPARAM flags) {
  if (!answersFor(hooks.type).role) return 0;
  const AccessibilityLibrary* library = AccessibilityLibrary::get();
  if (!library) return 0;
  auto* object = std::make_unique<ControlAccessible>(window, hooks, *library).release();
  const LRESULT result = library->resultFromObject(kIAccessible, flags, object);
  object->Release();
  return result > 0 ? result : 0;
}

}  // namespace host::win32
