// A dialog made by the platform's dialog manager from this program's own resources (the dialogs
// of tests/tour_win32/forms/dialogs.rc), adopted by the host: the by-name members of a control
// the host knows only by its class, what screen readers hear of the adopted controls, and the
// window that holds a child dialog, which goes with the host.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <span>
#include <string>

#include "host/error.h"
#include "host/win32/win32_host.h"
#include "tests/win32/capture.h"

namespace winbench {
namespace {

std::span<const std::byte> templateOf(const wchar_t* name) {
  const HMODULE self = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceW(self, name, RT_DIALOG);
  const void* bytes = found ? LockResource(LoadResource(self, found)) : nullptr;
  if (!bytes) return {};
  return {static_cast<const std::byte*>(bytes), SizeofResource(self, found)};
}

// A dialog adopted, shown in the foreground and painted.
struct Adopted {
  explicit Adopted(const wchar_t* name) {
    form = host.adoptDialog(templateOf(name), GetModuleHandleW(nullptr), u"dialog");
    const HWND shown = host.shownWindow(form);
    ShowWindow(host.window(form), SW_SHOW);
    ShowWindow(shown, SW_SHOW);
    SetForegroundWindow(shown);
    pump();
  }
  void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) host.dispatch(message);
  }
  host::ControlRef named(const char16_t* name) { return host.control(form, name); }
  RECT placeOf(host::ControlRef control) {
    RECT place{};
    GetWindowRect(host.window(control), &place);
    MapWindowPoints(nullptr, host.window(form), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }

  host::win32::Win32Host host;
  host::FormRef form;
};

// A label has the members every control has: its colour shows through the colour message the
// dialog's procedure answers; a member of the four types is refused it.
TEST(AdoptedDialog, ALabelTakesTheMembersOfEveryControl) {
  Adopted dialog(L"EVERY");
  const host::ControlRef label = dialog.named(u"ID1007");
  ASSERT_EQ(dialog.host.typeName(label), u"Label");
  dialog.host.setProperty(label, u"BackColor", host::Value::int32(RGB(200, 0, 0)));
  dialog.pump();
  const RECT place = dialog.placeOf(label);
  EXPECT_GT(Capture(dialog.host.window(dialog.form)).count(place, RGB(200, 0, 0)),
            (place.right - place.left) * (place.bottom - place.top) / 2);
  EXPECT_THROW(dialog.host.setProperty(label, u"Caption", host::Value::text(u"new")),
               host::HostError);
}

long roleOf(HWND window) {
  static constexpr GUID kIAccessible{
      0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  void* found = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                        &found))) {
    return -1;
  }
  auto* object = static_cast<IAccessible*>(found);
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role{};
  const bool answered = object->get_accRole(self, &role) == S_OK && role.vt == VT_I4;
  object->Release();
  return answered ? role.lVal : -1;
}

// A window of the same class and style as `window`, beside it and not the host's.
HWND twinOf(HWND window) {
  wchar_t className[64]{};
  GetClassNameW(window, className, 64);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  return CreateWindowExW(0, className, L"twin", style, 0, 0, 40, 20, GetParent(window), nullptr,
                         nullptr, nullptr);
}

// The host answers for the controls of the four types; for the others the platform answers, as
// for any window of their class.
TEST(AdoptedDialog, ScreenReadersHearEachControlAsWhatItIs) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    Adopted dialog(L"EVERY");
    const struct {
      const char16_t* name;
      long role;  // 0: the platform's
    } cases[] = {{u"ID1001", ROLE_SYSTEM_PUSHBUTTON},
                 {u"ID1005", ROLE_SYSTEM_RADIOBUTTON},
                 {u"ID1007", 0},
                 {u"ID1008", 0},
                 {u"ID1011", 0}};
    for (const auto& [name, role] : cases) {
      const HWND window = dialog.host.window(dialog.named(name));
      const HWND twin = twinOf(window);
      EXPECT_EQ(roleOf(window), role ? role : roleOf(twin))
          << std::string(name, name + std::char_traits<char16_t>::length(name));
      DestroyWindow(twin);
    }
  }
  CoUninitialize();
}

bool windowOfThread(HWND window) {
  return IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

// A child dialog is shown in a top-level window of the host's, which goes with the host.
TEST(AdoptedDialog, AChildDialogsWindowGoesWithTheHost) {
  HWND holder = nullptr;
  {
    Adopted dialog(L"#102");
    holder = dialog.host.shownWindow(dialog.form);
    EXPECT_NE(holder, dialog.host.window(dialog.form));
    EXPECT_EQ(GetParent(dialog.host.window(dialog.form)), holder);
    EXPECT_TRUE(IsWindowVisible(holder));
  }
  EXPECT_FALSE(windowOfThread(holder));
}

}  // namespace
}  // namespace winbench
