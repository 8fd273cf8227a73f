// The forms' window class and the icons each form shows. A program of its own, so that its first
// form is the first one the process makes: the class carries that form's icon.
#include <gtest/gtest.h>

#include "host/win32/win32_host.h"
#include "testbench/form1_definicion.h"
#include "tests/win32/icon_size.h"

namespace {

// The icon the window shows at a size, as the taskbar asks for it, and the one given to the window
// itself (none where it shows its class's).
HICON shown(HWND window, WPARAM size) {
  return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, size, 0));
}
HICON ownIcon(HWND window, WPARAM size) {
  return reinterpret_cast<HICON>(DefWindowProcW(window, WM_GETICON, size, 0));
}

// The first form's icon goes on the class, at the system's sizes, and is what its window shows,
// without an icon of its own. A form that names none shows the system's default icon instead of
// the class's, as does one naming an icon the executable lacks; one that names the class's icon
// again shows it through the class too; after a change of dots per inch a form has icons of its
// own at the new size.
TEST(Win32FormClass, CarriesTheFirstFormsIconAndGivesOtherFormsTheirOwn) {
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof registered;
  ASSERT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"SkinbenchForm", &registered))
      << "this test must make the process's first form";
  host::win32::Win32Host host;
  const auto& definition = testbench::DefinicionForm1();
  const HWND first = host.window(host.createForm(definition, "#1"));
  const HWND plain = host.window(host.createForm(definition));
  const HWND again = host.window(host.createForm(definition, "#1"));
  const HWND missing = host.window(host.createForm(definition, "#99"));

  const auto classIcon = [first](int which) {
    return reinterpret_cast<HICON>(GetClassLongPtrW(first, which));
  };
  const HICON large = classIcon(GCLP_HICON), compact = classIcon(GCLP_HICONSM);
  EXPECT_EQ(iconSize(large).cx, GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(iconSize(large).cy, GetSystemMetrics(SM_CYICON));
  EXPECT_EQ(iconSize(compact).cx, GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(iconSize(compact).cy, GetSystemMetrics(SM_CYSMICON));
  for (const HWND window : {first, again}) {
    EXPECT_EQ(shown(window, ICON_BIG), large);
    EXPECT_EQ(shown(window, ICON_SMALL), compact);
    EXPECT_EQ(ownIcon(window, ICON_BIG), nullptr);
    EXPECT_EQ(ownIcon(window, ICON_SMALL), nullptr);
  }
  for (const HWND window : {plain, missing}) {
    for (const WPARAM size : {ICON_BIG, ICON_SMALL}) {
      EXPECT_NE(ownIcon(window, size), nullptr) << size;
      EXPECT_NE(shown(window, size), large) << size;
      EXPECT_NE(shown(window, size), compact) << size;
    }
  }

  RECT suggested{};
  GetWindowRect(first, &suggested);
  SendMessageW(first, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  const auto at144 = [](int metric) { return MulDiv(GetSystemMetrics(metric), 144, 96); };
  EXPECT_EQ(iconSize(ownIcon(first, ICON_BIG)).cx, at144(SM_CXICON));
  EXPECT_EQ(iconSize(ownIcon(first, ICON_SMALL)).cx, at144(SM_CXSMICON));
  EXPECT_EQ(shown(first, ICON_BIG), ownIcon(first, ICON_BIG));
}

}  // namespace
