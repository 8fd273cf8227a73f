#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tests/win32/form1_window.h"

namespace winbench {
namespace {

// The thread's COM apartment for the length of a test, as a screen reader's thread has one.
class Apartment {
 public:
  Apartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~Apartment() { CoUninitialize(); }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
};

// A control's accessible object as a screen reader gets it from the window, released with it.
class Accessible {
 public:
  explicit Accessible(HWND control) {
    static constexpr GUID kIAccessible{
        0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    void* found = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                             kIAccessible, &found))) {
      object_ = static_cast<IAccessible*>(found);
    }
    EXPECT_NE(object_, nullptr) << "no accessible object";
  }
  ~Accessible() {
    if (object_) object_->Release();
  }
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;

  std::wstring name() const { return text(&IAccessible::get_accName); }
  std::wstring description() const { return text(&IAccessible::get_accDescription); }
  std::wstring value() const { return text(&IAccessible::get_accValue); }
  std::wstring defaultAction() const { return text(&IAccessible::get_accDefaultAction); }
  long role() const { return number(&IAccessible::get_accRole); }
  long state() const { return number(&IAccessible::get_accState); }
  // Whether the object says that it has the focus itself.
  bool claimsFocus() const {
    VARIANT focus{};
    return object_ && object_->get_accFocus(&focus) == S_OK && focus.vt == VT_I4 &&
           focus.lVal == CHILDID_SELF;
  }
  HRESULT takeFocus() const {
    return object_ ? object_->accSelect(SELFLAG_TAKEFOCUS, self()) : E_POINTER;
  }
  HRESULT doDefaultAction() const {
    return object_ ? object_->accDoDefaultAction(self()) : E_POINTER;
  }

 private:
  static VARIANT self() {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
  }
  // The answer where the object gives one (S_OK), else empty.
  std::wstring text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
    BSTR answer = nullptr;
    std::wstring found;
    if (object_ && (object_->*get)(self(), &answer) == S_OK && answer) found = answer;
    SysFreeString(answer);
    return found;
  }
  long number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) const {
    VARIANT answer{};
    if (object_ && (object_->*get)(self(), &answer) == S_OK && answer.vt == VT_I4) {
      return answer.lVal;
    }
    return -1;
  }

  IAccessible* object_ = nullptr;
};

// What a screen reader asks the platform: every control has a name (the caption for the
// buttons, host-drawn ones included, the array member for the text boxes) and is described by
// its array member, so that the two "Check1" boxes are told apart.
TEST(Win32Accessibility, NamesAndDescribesEveryControl) {
  const Apartment apartment;
  Form1Window form1;
  EXPECT_EQ(Accessible(form1.child(u"Text1", 0)).name(), L"Text1(0)");
  EXPECT_EQ(Accessible(form1.child(u"Text1", 1)).name(), L"Text1(1)");
  EXPECT_EQ(Accessible(form1.child(u"Command1", 22)).name(), L"Guardar");
  EXPECT_EQ(Accessible(form1.child(u"Check1", 0)).description(), L"Check1(0)");
  EXPECT_EQ(Accessible(form1.child(u"Check1", 1)).description(), L"Check1(1)");
  EXPECT_EQ(Accessible(form1.child(u"cmdProbar")).description(), L"cmdProbar");
  for (HWND child = GetWindow(form1.window(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    EXPECT_FALSE(Accessible(child).name().empty());
  }
  form1.host().setProperty(form1.control(u"Command1", 22), u"Caption",
                           host::Value::text(u"&Guardar && salir"));
  EXPECT_EQ(Accessible(form1.child(u"Command1", 22)).name(), L"Guardar & salir");
  form1.host().setProperty(form1.control(u"Check1", 0), u"Visible", host::Value::boolean(false));
  EXPECT_EQ(Accessible(form1.child(u"Check1", 0)).state() &
                (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_FOCUSABLE),
            STATE_SYSTEM_INVISIBLE);
}

// What a control's default action does where it is done.
enum class Effect { None, RunsTheNextMethod, Toggles, Checks };

// One control type as assistive technology is told of it. An option button is disabled along with
// the other one of its group: under Wine a press of a lone disabled option button never returns,
// so that a fault letting it through would stall the test rather than fail it.
struct TypeCase {
  const char* type;
  const char16_t* name;
  std::optional<std::int16_t> index;
  std::optional<std::int16_t> style;         // a command button's, set before each case
  std::optional<std::int16_t> disabledWith;  // the array member disabled along with it
  long role;
  const wchar_t* accessibleName;
  const wchar_t* value;  // empty: none, so that a caption is not read twice
  const wchar_t* action;
  const wchar_t* checkedAction;  // once checked; empty: none
  Effect effect;
};
constexpr auto kNone = std::nullopt;
const TypeCase kTypes[] = {
    {"graphical command button", u"cmdProbar", kNone, 1, kNone, ROLE_SYSTEM_PUSHBUTTON, L"PROBAR",
     L"", L"Press", L"Press", Effect::RunsTheNextMethod},
    {"standard command button", u"cmdProbar", kNone, 0, kNone, ROLE_SYSTEM_PUSHBUTTON, L"PROBAR",
     L"", L"Press", L"Press", Effect::RunsTheNextMethod},
    {"check box", u"Check1", 0, kNone, kNone, ROLE_SYSTEM_CHECKBUTTON, L"Check1", L"", L"Check",
     L"Uncheck", Effect::Toggles},
    {"option button", u"Option1", 0, kNone, 1, ROLE_SYSTEM_RADIOBUTTON, L"Option1", L"", L"Select",
     L"Select", Effect::Checks},
    {"text box", u"Text1", 1, kNone, kNone, ROLE_SYSTEM_TEXT, L"Text1(1)", L"Text1", L"", L"",
     Effect::None},
};

// The states a control is put in, the last three with a screen reader asking it to take the
// focus, and the state it then answers.
struct StateCase {
  const char* what;
  bool enabled;
  bool checked;
  bool askedForFocus;
  long state;
};
constexpr long kFocusable = STATE_SYSTEM_FOCUSABLE, kFocused = STATE_SYSTEM_FOCUSED,
               kChecked = STATE_SYSTEM_CHECKED, kUnavailable = STATE_SYSTEM_UNAVAILABLE;
const StateCase kStates[] = {
    {"enabled", true, false, false, kFocusable},
    {"enabled, checked", true, true, false, kFocusable | kChecked},
    {"disabled", false, false, false, kUnavailable},
    {"disabled, checked", false, true, false, kUnavailable | kChecked},
    {"enabled, focused", true, false, true, kFocusable | kFocused},
    {"enabled, checked, focused", true, true, true, kFocusable | kChecked | kFocused},
    {"disabled, asked for the focus", false, false, true, kUnavailable},
};

bool isChecked(HWND control) {
  return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Every type in every state: the role, state, name, value and default action the host answers,
// which control says it has the focus, and what the default action does: the enabled control
// does it (a press runs the next method, a tick toggles, a selection checks), a disabled one, or
// one without a default action, refuses and nothing changes.
TEST(Win32Accessibility, AnswersEveryTypeInEveryState) {
  const Apartment apartment;
  Form1Window form1;
  auto& host = form1.host();
  const HWND elsewhere = form1.child(u"Text1", 0);
  for (const TypeCase& type : kTypes) {
    const host::ControlRef control = form1.control(type.name, type.index);
    const HWND window = form1.child(type.name, type.index);
    const bool checkable = type.effect == Effect::Toggles || type.effect == Effect::Checks;
    const auto enable = [&](bool enabled) {
      host.setProperty(control, u"Enabled", host::Value::boolean(enabled));
      if (type.disabledWith) {
        host.setProperty(form1.control(type.name, type.disabledWith), u"Enabled",
                         host::Value::boolean(enabled));
      }
    };
    for (const StateCase& state : kStates) {
      if (state.checked && !checkable) continue;
      SCOPED_TRACE(std::string(type.type) + ", " + state.what);
      SetFocus(elsewhere);
      enable(true);
      if (type.style) host.setProperty(control, u"Style", host::Value::int16(*type.style));
      if (type.effect == Effect::Toggles) {
        host.setProperty(control, u"Value", host::Value::int16(state.checked ? 1 : 0));
      } else if (type.effect == Effect::Checks) {
        host.setProperty(control, u"Value", host::Value::boolean(state.checked));
      }
      enable(state.enabled);
      const Accessible object(window);
      if (state.askedForFocus) {
        EXPECT_EQ(SUCCEEDED(object.takeFocus()), state.enabled);
        EXPECT_EQ(GetFocus() == window, state.enabled);
      }
      EXPECT_EQ(object.role(), type.role);
      EXPECT_EQ(object.state(), state.state);
      EXPECT_EQ(object.claimsFocus(), (state.state & kFocused) != 0);
      EXPECT_EQ(object.name(), type.accessibleName);
      EXPECT_EQ(object.value(), type.value);
      EXPECT_EQ(object.defaultAction(), state.checked ? type.checkedAction : type.action);

      const std::string title = form1.title();
      const bool acts = state.enabled && type.effect != Effect::None;
      EXPECT_EQ(object.doDefaultAction() == S_OK, acts);
      form1.settle();
      const bool checkedAfter =
          type.effect == Effect::Checks || (type.effect == Effect::Toggles && !state.checked);
      EXPECT_EQ(form1.title() != title, acts && type.effect == Effect::RunsTheNextMethod);
      EXPECT_EQ(isChecked(window), acts ? checkedAfter : state.checked);
    }
  }
}

}  // namespace
}  // namespace winbench
