#include <gtest/gtest.h>
#include <oleacc.h>

#include <cwctype>
#include <string>

#include "tests/win32/form1_window.h"

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
  EXPECT_EQ(form1.caption(), "Form1");
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

// Real key presses: the focus starts on tab position 0, Tab walks the tab positions and wraps,
// Shift+Tab walks back, and an arrow key moves between the two option buttons and chooses.
TEST(Win32Window, TakesTheKeyboardInTabOrderFromTabPositionZero) {
  Form1Window form1;
  EXPECT_EQ(GetFocus(), form1.child(u"Command1", 0));
  for (std::size_t step = 1; step <= std::size(kInTabOrder); ++step) {
    const Expected& next = kInTabOrder[step % std::size(kInTabOrder)];
    form1.key(VK_TAB);
    const HWND wanted = form1.child(next.name, next.index);
    EXPECT_TRUE(form1.pumpUntil([&] { return GetFocus() == wanted; })) << "Tab " << step;
  }
  form1.key(VK_TAB, true);
  EXPECT_TRUE(form1.pumpUntil([&] { return GetFocus() == form1.child(u"cmdProbar"); }));
  const HWND first = form1.child(u"Option1", 0), second = form1.child(u"Option1", 1);
  SetFocus(first);
  form1.key(VK_DOWN);
  EXPECT_TRUE(form1.pumpUntil([&] { return GetFocus() == second; }));
  EXPECT_EQ(SendMessageW(second, BM_GETCHECK, 0, 0), BST_CHECKED);
}

// What the program changes while running reaches the keyboard: disabling the focused control
// passes the focus on to the next one in tab order, a new "TabIndex" re-threads the Tab
// sequence, and choosing an option button clears the other one of its group.
TEST(Win32Window, FollowsTheProgramsChangesToFocusTabOrderAndOptions) {
  Form1Window form1;
  auto& host = form1.host;
  ASSERT_EQ(GetFocus(), form1.child(u"Command1", 0));
  host.setProperty(form1.control(u"Command1", 0), u"Enabled", host::Value::boolean(false));
  EXPECT_EQ(GetFocus(), form1.child(u"Command1", 22)) << "tab position 1, not the last one";

  // Text1(0), tab position 6, moved behind cmdProbar, the last.
  host.setProperty(form1.control(u"Text1", 0), u"TabIndex", host::Value::int16(20));
  SetFocus(form1.child(u"Command1", 3));
  form1.key(VK_TAB);
  EXPECT_TRUE(form1.pumpUntil([&] { return GetFocus() == form1.child(u"Text1", 1); }));
  SetFocus(form1.child(u"cmdProbar"));
  form1.key(VK_TAB);
  EXPECT_TRUE(form1.pumpUntil([&] { return GetFocus() == form1.child(u"Text1", 0); }));

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
    form1.host.setProperty(form1.control(u"Command1", 0), u"Style", host::Value::int16(style));
    form1.pump();
    EXPECT_EQ(styleOf(aceptar) & BS_TYPEMASK, style == 1 ? BS_OWNERDRAW : BS_PUSHBUTTON);
    EXPECT_EQ(form1.host.getProperty(form1.control(u"Command1", 0), u"Caption"),
              host::Value::text(u"Aceptar"));
    const RECT after = form1.placeOf(aceptar);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(GetWindow(form1.window(), GW_CHILD), aceptar);
    EXPECT_TRUE(IsWindowEnabled(aceptar));
    EXPECT_EQ(GetFocus(), aceptar);
  }
}

SIZE iconSize(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
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

struct Accessible {
  std::wstring name;
  std::wstring description;
  std::wstring value;
  long role = 0;
  long state = 0;
};

// What the control's accessible object answers; with `takeFocus`, after it was asked to take the
// focus, as a screen reader moving to it asks.
Accessible accessibleOf(HWND control, bool takeFocus = false) {
  static constexpr GUID kIAccessible{
      0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  void* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                        &object))) {
    return {};
  }
  auto* accessible = static_cast<IAccessible*>(object);
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  if (takeFocus) accessible->accSelect(SELFLAG_TAKEFOCUS, self);
  Accessible found;
  const auto read = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                        std::wstring& into) {
    BSTR text = nullptr;
    if ((accessible->*get)(self, &text) == S_OK && text) into = text;
    SysFreeString(text);
  };
  read(&IAccessible::get_accName, found.name);
  read(&IAccessible::get_accDescription, found.description);
  read(&IAccessible::get_accValue, found.value);
  VARIANT number{};
  if (accessible->get_accRole(self, &number) == S_OK && number.vt == VT_I4) {
    found.role = number.lVal;
  }
  if (accessible->get_accState(self, &number) == S_OK && number.vt == VT_I4) {
    found.state = number.lVal;
  }
  accessible->Release();
  return found;
}

// What a screen reader asks the platform: every control has a name (the caption for the
// buttons, host-drawn ones included, the array member for the text boxes) and is described by
// its array member, so that the two "Check1" boxes are told apart.
TEST(Win32Window, NamesAndDescribesEveryControlForAssistiveTechnology) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    Form1Window form1;
    EXPECT_EQ(accessibleOf(form1.child(u"Text1", 0)).name, L"Text1(0)");
    EXPECT_EQ(accessibleOf(form1.child(u"Text1", 1)).name, L"Text1(1)");
    EXPECT_EQ(accessibleOf(form1.child(u"Command1", 22)).name, L"Guardar");
    EXPECT_EQ(accessibleOf(form1.child(u"Check1", 0)).description, L"Check1(0)");
    EXPECT_EQ(accessibleOf(form1.child(u"Check1", 1)).description, L"Check1(1)");
    EXPECT_EQ(accessibleOf(form1.child(u"cmdProbar")).description, L"cmdProbar");
    for (HWND child = GetWindow(form1.window(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
      EXPECT_FALSE(accessibleOf(child).name.empty());
    }
  }
  CoUninitialize();
}

// The role stays a push button whichever style draws the button, the name is the caption as it
// reads, a text box's value its text, and the state follows what the program sets: unavailable
// when disabled, invisible when hidden, checked when its value says so, focused once a screen
// reader moved the focus there.
TEST(Win32Window, TellsAssistiveTechnologyEachControlsRoleAndState) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    Form1Window form1;
    const auto set = [&form1](std::u16string_view name, std::int16_t index,
                              std::u16string_view member, const host::Value& value) {
      form1.host.setProperty(form1.control(name, index), member, value);
    };
    set(u"Command1", 2, u"Style", host::Value::int16(0));
    set(u"Command1", 2, u"Enabled", host::Value::boolean(false));
    set(u"Check1", 1, u"Value", host::Value::int16(1));
    set(u"Option1", 0, u"Value", host::Value::boolean(true));
    set(u"Command1", 22, u"Caption", host::Value::text(u"&Guardar && salir"));
    EXPECT_EQ(accessibleOf(form1.child(u"Command1", 22)).name, L"Guardar & salir");
    set(u"Check1", 0, u"Visible", host::Value::boolean(false));
    EXPECT_EQ(accessibleOf(form1.child(u"Check1", 0)).state &
                  (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_FOCUSABLE),
              STATE_SYSTEM_INVISIBLE);
    const Accessible standard = accessibleOf(form1.child(u"Command1", 2));
    EXPECT_EQ(standard.role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(standard.state & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE),
              STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(accessibleOf(form1.child(u"Command1", 3)).state & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(accessibleOf(form1.child(u"Check1", 1)).state & STATE_SYSTEM_CHECKED,
              STATE_SYSTEM_CHECKED);
    EXPECT_EQ(accessibleOf(form1.child(u"Option1", 0)).state & STATE_SYSTEM_CHECKED,
              STATE_SYSTEM_CHECKED);
    const Accessible focused = accessibleOf(form1.child(u"Text1", 1), true);
    EXPECT_EQ(focused.role, ROLE_SYSTEM_TEXT);
    EXPECT_EQ(focused.value, L"Text1");
    EXPECT_EQ(focused.state & STATE_SYSTEM_FOCUSED, STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(accessibleOf(form1.child(u"Text1", 0)).state & STATE_SYSTEM_FOCUSED, 0);
  }
  CoUninitialize();
}

}  // namespace
}  // namespace winbench
