#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <string>
#include <vector>

#include "testbench/form1_definicion.h"
#include "tests/win32/form1_window.h"
#include "tests/win32/icon_size.h"

namespace winbench {
namespace {

struct Expected {
  const char16_t* name;
  std::optional<std::int16_t> index;
  const wchar_t* windowClass;
  LONG buttonType;  // for buttons
  RECT pixels;      // left, top, right, bottom at 96 dots per inch
};

// The thirteen controls in tab order, with their pixels at 96 dots per inch.
const Expected kInTabOrder[] = {
    {u"Command1", 0, L"button", BS_OWNERDRAW, {312, 48, 457, 89}},
    {u"Command1", 22, L"button", BS_OWNERDRAW, {160, 48, 305, 89}},
    {u"Command1", 4, L"button", BS_OWNERDRAW, {0, 48, 145, 89}},
    {u"Command1", 1, L"button", BS_OWNERDRAW, {312, 0, 457, 41}},
    {u"Command1", 2, L"button", BS_OWNERDRAW, {0, 0, 145, 41}},
    {u"Command1", 3, L"button", BS_OWNERDRAW, {160, 0, 305, 41}},
    {u"Text1", 0, L"edit", 0, {16, 112, 121, 137}},
    {u"Text1", 1, L"edit", 0, {136, 112, 241, 137}},
    {u"Option1", 0, L"button", BS_AUTORADIOBUTTON, {8, 160, 113, 177}},
    {u"Option1", 1, L"button", BS_AUTORADIOBUTTON, {136, 160, 241, 177}},
    {u"Check1", 0, L"button", BS_AUTOCHECKBOX, {16, 200, 113, 233}},
    {u"Check1", 1, L"button", BS_AUTOCHECKBOX, {152, 208, 249, 241}},
    {u"cmdProbar", std::nullopt, L"button", BS_OWNERDRAW, {360, 216, 497, 257}},
};

std::wstring lowerClassOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  std::wstring lower;
  for (const wchar_t* c = name; *c; ++c) lower.push_back(static_cast<wchar_t>(std::towlower(*c)));
  return lower;
}

LONG_PTR styleOf(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE);
}

TEST(Win32Window, IsATopLevelWindowOfItsOwnClassWithA512By339ClientArea) {
  Form1Window form1;
  EXPECT_EQ(lowerClassOf(form1.window()), L"skinbenchform");
  EXPECT_EQ(GetParent(form1.window()), nullptr);
  EXPECT_TRUE(styleOf(form1.window()) & WS_CAPTION);
  RECT client{};
  GetClientRect(form1.window(), &client);
  EXPECT_EQ(client.right, 512);
  EXPECT_EQ(client.bottom, 339);
  EXPECT_EQ(form1.title(), "Form1");
}

// The children in window order are the controls in tab order, each of the right class and
// style, at its pixels, a tab stop, and the two option buttons one group.
TEST(Win32Window, StacksTheThirteenControlsInTabOrderAtTheirPixels) {
  Form1Window form1;
  HWND child = GetWindow(form1.window(), GW_CHILD);
  for (const Expected& expected : kInTabOrder) {
    SCOPED_TRACE(host::toUtf8(expected.name) + std::to_string(expected.index.value_or(-1)));
    ASSERT_EQ(child, form1.child(expected.name, expected.index));
    EXPECT_EQ(lowerClassOf(child), expected.windowClass);
    if (expected.buttonType) {
      EXPECT_EQ(styleOf(child) & BS_TYPEMASK, expected.buttonType);
    }
    const RECT place = form1.placeOf(child);
    EXPECT_EQ(place.left, expected.pixels.left);
    EXPECT_EQ(place.top, expected.pixels.top);
    EXPECT_EQ(place.right, expected.pixels.right);
    EXPECT_EQ(place.bottom, expected.pixels.bottom);
    EXPECT_TRUE(styleOf(child) & WS_TABSTOP);
    const bool secondOption =
        expected.name == std::u16string_view(u"Option1") && expected.index == 1;
    EXPECT_EQ((styleOf(child) & WS_GROUP) != 0, !secondOption);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr);
  const HWND text = form1.child(u"Text1", 0);
  EXPECT_FALSE(styleOf(text) & ES_MULTILINE);
}

// What the form's windows are sent while the host makes them: a caption set, or a style changed
// in the group bit, on a control window that exists already.
struct MakingWatch {
  static inline std::vector<std::wstring> changes;
  static LRESULT CALLBACK watch(int code, WPARAM w, LPARAM l) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && GetParent(sent.hwnd)) {
      wchar_t text[64]{};
      GetWindowTextW(sent.hwnd, text, 64);
      if (sent.message == WM_SETTEXT) changes.push_back(std::wstring(L"text of ") + text);
      const auto* styles = reinterpret_cast<const STYLESTRUCT*>(sent.lParam);
      if (sent.message == WM_STYLECHANGING && sent.wParam == static_cast<WPARAM>(GWL_STYLE) &&
          ((styles->styleOld ^ styles->styleNew) & WS_GROUP)) {
        changes.push_back(std::wstring(L"group of ") + text);
      }
    }
    return CallNextHookEx(nullptr, code, w, l);
  }
};

// Each control's window is made with its caption and in its group, so that neither is set again:
// every change to a window is a request to the window server where that is a process of its own.
TEST(Win32Window, MakesEachControlWithItsCaptionAndGroupSettingNeitherAgain) {
  MakingWatch::changes.clear();
  const HHOOK hook =
      SetWindowsHookExW(WH_CALLWNDPROC, MakingWatch::watch, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  host::win32::Win32Host host;
  const host::FormRef form = host.createForm(testbench::DefinicionForm1());
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(MakingWatch::changes, std::vector<std::wstring>{});
  EXPECT_EQ(GetWindowTextLengthW(host.window(host.control(form, u"Option1", 1))), 7);
}

// Real key presses: the focus starts on tab position 0, Tab walks the tab positions and wraps,
// Shift+Tab walks back, and an arrow key moves between the two option buttons and chooses.
TEST(Win32Window, TakesTheKeyboardInTabOrderFromTabPositionZero) {
  Form1Window form1;
  EXPECT_EQ(GetFocus(), form1.child(u"Command1", 0));
  for (std::size_t step = 1; step <= std::size(kInTabOrder); ++step) {
    const Expected& next = kInTabOrder[step % std::size(kInTabOrder)];
    form1.key(VK_TAB);
    const HWND wanted = form1.child(next.name, next.index);
    EXPECT_TRUE(form1.waitFor([&] { return GetFocus() == wanted; })) << "Tab " << step;
  }
  form1.key(VK_TAB, true);
  EXPECT_TRUE(form1.waitFor([&] { return GetFocus() == form1.child(u"cmdProbar"); }));
  const HWND first = form1.child(u"Option1", 0), second = form1.child(u"Option1", 1);
  SetFocus(first);
  form1.key(VK_DOWN);
  EXPECT_TRUE(form1.waitFor([&] { return GetFocus() == second; }));
  EXPECT_EQ(SendMessageW(second, BM_GETCHECK, 0, 0), BST_CHECKED);
}

// What the program changes while running reaches the keyboard: disabling the focused control
// passes the focus on to the next one in tab order, a new "TabIndex" re-threads the Tab
// sequence, and choosing an option button clears the other one of its group.
TEST(Win32Window, FollowsTheProgramsChangesToFocusTabOrderAndOptions) {
  Form1Window form1;
  auto& host = form1.host();
  ASSERT_EQ(GetFocus(), form1.child(u"Command1", 0));
  host.setProperty(form1.control(u"Command1", 0), u"Enabled", host::Value::boolean(false));
  EXPECT_EQ(GetFocus(), form1.child(u"Command1", 22)) << "tab position 1, not the last one";

  // Text1(0), tab position 6, moved behind cmdProbar, the last.
  host.setProperty(form1.control(u"Text1", 0), u"TabIndex", host::Value::int16(20));
  SetFocus(form1.child(u"Command1", 3));
  form1.key(VK_TAB);
  EXPECT_TRUE(form1.waitFor([&] { return GetFocus() == form1.child(u"Text1", 1); }));
  SetFocus(form1.child(u"cmdProbar"));
  form1.key(VK_TAB);
  EXPECT_TRUE(form1.waitFor([&] { return GetFocus() == form1.child(u"Text1", 0); }));

  for (const std::int16_t chosen : {0, 1, 0}) {
    host.setProperty(form1.control(u"Option1", chosen), u"Value", host::Value::boolean(true));
    for (const std::int16_t index : {0, 1}) {
      EXPECT_EQ(bool(host.getProperty(form1.control(u"Option1", index), u"Value").asBoolean()),
                index == chosen)
          << "Option1(" << index << ") after choosing Option1(" << chosen << ")";
    }
  }
}

// Switching a button between the platform's look and the host's keeps the window, and with it
// the caption, the place, the tab position, the enabled state and the focus.
TEST(Win32Window, KeepsAButtonsCaptionPlaceOrderStateAndFocusAcrossStyles) {
  Form1Window form1;
  const HWND aceptar = form1.child(u"Command1", 0);
  ASSERT_EQ(GetFocus(), aceptar);
  const RECT before = form1.placeOf(aceptar);
  for (const std::int16_t style : {0, 1}) {
    form1.host().setProperty(form1.control(u"Command1", 0), u"Style", host::Value::int16(style));
    form1.settle();
    EXPECT_EQ(styleOf(aceptar) & BS_TYPEMASK, style == 1 ? BS_OWNERDRAW : BS_PUSHBUTTON);
    EXPECT_EQ(form1.host().getProperty(form1.control(u"Command1", 0), u"Caption"),
              host::Value::text(u"Aceptar"));
    const RECT after = form1.placeOf(aceptar);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(GetWindow(form1.window(), GW_CHILD), aceptar);
    EXPECT_TRUE(IsWindowEnabled(aceptar));
    EXPECT_EQ(GetFocus(), aceptar);
  }
}

// A double click in a text box selects the word under the pointer, as the platform's text boxes
// do; only on a button does the host take it for a second press.
TEST(Win32Window, SelectsTheWordUnderADoubleClickInATextBox) {
  Form1Window form1;
  const HWND text = form1.child(u"Text1", 0);
  form1.host().setProperty(form1.control(u"Text1", 0), u"Text", host::Value::text(u"uno dos tres"));
  const LRESULT letterO = SendMessageW(text, EM_POSFROMCHAR, 5, 0);  // within "dos"
  RECT client{};
  GetClientRect(text, &client);
  form1.click(text, 2, POINT{LOWORD(letterO) + 1, client.bottom / 2});
  DWORD start = 0, end = 0;
  EXPECT_TRUE(form1.waitFor([&] {
    SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
  })) << "the caret stands at "
      << start;
  EXPECT_EQ(start, 4u);
  EXPECT_TRUE(end == 7 || end == 8) << "not \"dos\", with or without the space after it: " << end;
  EXPECT_EQ(form1.title(), "Form1");
}

// The title bar and the taskbar show the executable's icon group, each at the system's size.
TEST(Win32Window, ShowsTheExecutablesIconAtTheSystemsSizes) {
  host::Project project = testbench::ProyectoForm1();
  project.iconPath = "#1";
  Form1Window form1(project);
  const auto icon = [&form1](WPARAM which) {
    return reinterpret_cast<HICON>(SendMessageW(form1.window(), WM_GETICON, which, 0));
  };
  const SIZE large = iconSize(icon(ICON_BIG)), compact = iconSize(icon(ICON_SMALL));
  EXPECT_EQ(large.cx, GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(large.cy, GetSystemMetrics(SM_CYICON));
  EXPECT_EQ(compact.cx, GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(compact.cy, GetSystemMetrics(SM_CYSMICON));
}

LONG fontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

// Moved to a screen of 144 dots per inch, the form lays its controls out again at 10 twips to
// the pixel and takes the message font at that size.
TEST(Win32Window, LaysItselfOutAgainWhenItsDotsPerInchChange) {
  Form1Window form1;
  const HWND aceptar = form1.child(u"Command1", 0);
  const LONG before = fontHeight(aceptar);
  RECT suggested{};
  GetWindowRect(form1.window(), &suggested);
  SendMessageW(form1.window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  const RECT place = form1.placeOf(aceptar);
  EXPECT_EQ(place.left, 468);
  EXPECT_EQ(place.top, 72);
  EXPECT_EQ(place.right - place.left, 218);  // 2175 twips
  EXPECT_EQ(place.bottom - place.top, 62);   // 615 twips
  EXPECT_GT(fontHeight(aceptar), before);
}

// Twips to pixels as the form is laid out: 1440 to the inch.
int pixelsAt(UINT dpi, const host::Value& twips) {
  return static_cast<int>(std::lround(twips.asNumber() * dpi / 1440));
}

// On the screen the test runs on (96 dots per inch, or 144 where its Wine prefix is made so,
// SKINBENCH_WINE_DPI), the form and every control take their twips at the window's dots per
// inch, from the start, not only after a move to another screen.
TEST(Win32Dpi, PlacesAndSizesTheFormAndItsControlsAtTheScreensDotsPerInch) {
  Form1Window form1;
  const host::win32::WindowDc screen(form1.window());
  const auto dpi = static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY));
  if (const char* wanted = std::getenv("SKINBENCH_WINE_DPI")) {
    ASSERT_EQ(dpi, static_cast<UINT>(std::atoi(wanted))) << "the screen's dots per inch";
  }
  RECT client{};
  GetClientRect(form1.window(), &client);
  EXPECT_EQ(client.right, static_cast<LONG>(std::lround(7680.0 * dpi / 1440)));
  EXPECT_EQ(client.bottom, static_cast<LONG>(std::lround(5085.0 * dpi / 1440)));
  for (const Expected& control : kInTabOrder) {
    SCOPED_TRACE(host::toUtf8(control.name) + std::to_string(control.index.value_or(-1)));
    const auto twips = [&](std::u16string_view member) {
      return pixelsAt(dpi,
                      form1.host().getProperty(form1.control(control.name, control.index), member));
    };
    const RECT place = form1.placeOf(form1.child(control.name, control.index));
    EXPECT_EQ(place.left, twips(u"Left"));
    EXPECT_EQ(place.top, twips(u"Top"));
    EXPECT_EQ(place.right - place.left, twips(u"Width"));
    EXPECT_EQ(place.bottom - place.top, twips(u"Height"));
  }
}

}  // namespace
}  // namespace winbench
