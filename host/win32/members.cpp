#include "host/win32/members.h"

#include <vector>

#include "host/win32/convert.h"

namespace host::win32 {
namespace {

LONG_PTR styleOf(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE);
}

// A text box's frame: none, a flat single line, or sunken.
void applyEditFrame(const Control& c) {
  LONG_PTR style = styleOf(c.window) & ~static_cast<LONG_PTR>(WS_BORDER);
  LONG_PTR exStyle = GetWindowLongPtrW(c.window, GWL_EXSTYLE) & ~LONG_PTR{WS_EX_CLIENTEDGE};
  if (c.borderStyle == 1) {
    if (c.appearance == 1) {
      exStyle |= WS_EX_CLIENTEDGE;
    } else {
      style |= WS_BORDER;
    }
  }
  if (style == styleOf(c.window) && exStyle == GetWindowLongPtrW(c.window, GWL_EXSTYLE)) return;
  SetWindowLongPtrW(c.window, GWL_STYLE, style);
  SetWindowLongPtrW(c.window, GWL_EXSTYLE, exStyle);
  SetWindowPos(c.window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  schedulePaint(c);
}

// Where a control that has the keyboard focus is disabled or hidden, the focus goes on to the
// next control in tab order, so that the keyboard is never left with nowhere to go.
void passFocusOn(const Control& c) {
  if (GetFocus() != c.window) return;
  const HWND next = GetNextDlgTabItem(GetParent(c.window), c.window, FALSE);
  SetFocus(next && next != c.window ? next : GetParent(c.window));
}

// The other option buttons of the group a radio button belongs to: from the group's first
// window (WS_GROUP) up to the next group.
std::vector<HWND> groupOf(HWND member) {
  HWND first = member;
  while (!(styleOf(first) & WS_GROUP)) {
    const HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  std::vector<HWND> group{first};
  for (HWND next = GetWindow(first, GW_HWNDNEXT); next && !(styleOf(next) & WS_GROUP);
       next = GetWindow(next, GW_HWNDNEXT)) {
    group.push_back(next);
  }
  return group;
}

// --- the members every control has, where this host's platform is called -------------------

Value getEnabled(const Control& c) {
  return Value::boolean(IsWindowEnabled(c.window) != FALSE);
}
void setEnabled(Control& c, const Value& v) {
  const bool enabled = bool(v.asBoolean());
  if (!enabled) passFocusOn(c);
  EnableWindow(c.window, enabled);
}
void setVisible(Control& c, const Value& v) {
  c.visible = bool(v.asBoolean());
  if (!c.visible) passFocusOn(c);
  ShowWindow(c.window, c.visible ? SW_SHOWNA : SW_HIDE);
}

void setBackColor(Control& c, const Value& v) {
  const ColorValue value = v.asInt32();
  resolveColor(value);  // refuses a colour we cannot show before anything changes
  c.backColor = value;
  schedulePaint(c);
}
void setForeColor(Control& c, const Value& v) {
  const ColorValue value = v.asInt32();
  resolveColor(value);
  c.foreColor = value;
  schedulePaint(c);
}

// A caption and a text box's text are both the window's text.
Value getWindowText(const Control& c) {
  return Value::text(windowText(c.window));
}
void setWindowTextTo(Control& c, const Value& v) {
  setWindowText(c.window, v.asText());
  schedulePaint(c);
}

void setAppearance(Control& c, const Value& v) {
  c.appearance = zeroOrOne(v, "Appearance");
  if (c.type == ControlType::TextBox) {
    applyEditFrame(c);
  } else {
    schedulePaint(c);
  }
}

// --- the members of one type ---------------------------------------------------------------

// The button keeps its window, and so its caption, place, tab position, state and focus: only
// its button style changes, between the platform's push button and one the host draws.
void setStyle(Control& c, const Value& v) {
  c.style = zeroOrOne(v, "Style");
  const LONG_PTR buttonStyles = styleOf(c.window) & 0xFFFF;
  const LONG_PTR wanted = (buttonStyles & ~LONG_PTR{BS_TYPEMASK}) | buttonStyleFor(c.style);
  if (wanted != buttonStyles) {
    SendMessageW(c.window, BM_SETSTYLE, static_cast<WPARAM>(wanted), FALSE);
  }
  schedulePaint(c);
}

void setBorderStyle(Control& c, const Value& v) {
  c.borderStyle = zeroOrOne(v, "BorderStyle");
  applyEditFrame(c);
}

Value getCheckValue(const Control& c) {
  return Value::int16(SendMessageW(c.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
}
void setCheckValue(Control& c, const Value& v) {
  const bool checked = zeroOrOne(v, "Value") == 1;
  SendMessageW(c.window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
Value getOptionValue(const Control& c) {
  return Value::boolean(SendMessageW(c.window, BM_GETCHECK, 0, 0) == BST_CHECKED);
}
void setOptionValue(Control& c, const Value& v) {
  const bool chosen = bool(v.asBoolean());
  if (chosen) {
    for (const HWND other : groupOf(c.window)) {
      if (other != c.window) SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageW(c.window, BM_SETCHECK, chosen ? BST_CHECKED : BST_UNCHECKED, 0);
}

// --- methods ---------------------------------------------------------------------------------

void refresh(Control& c, std::span<const Value>) {
  RedrawWindow(c.window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// --- the tables ----------------------------------------------------------------------------

// This host's platform calls for the members whose values live in the platform; the rest are
// every host's (host/control_accessors.h). Which type has which member, of what kind and whether
// it may be set, is every host's one definition (host/control_members.h).
constexpr AccessorOf<Control> kAccessors[] = {
    {u"Enabled", ValueKind::Boolean, getEnabled, setEnabled},
    {u"Visible", ValueKind::Boolean, getVisible<Control>, setVisible},
    {u"BackColor", ValueKind::Int32, getBackColor<Control>, setBackColor},
    {u"ForeColor", ValueKind::Int32, getForeColor<Control>, setForeColor},
    {u"Appearance", ValueKind::Int16, getAppearance<Control>, setAppearance},
    {u"Caption", ValueKind::Text, getWindowText, setWindowTextTo},
    {u"Style", ValueKind::Int16, getStyle<Control>, setStyle},
    {u"Text", ValueKind::Text, getWindowText, setWindowTextTo},
    {u"BorderStyle", ValueKind::Int16, getBorderStyle<Control>, setBorderStyle},
    {u"Value", ValueKind::Int16, getCheckValue, setCheckValue},
    {u"Value", ValueKind::Boolean, getOptionValue, setOptionValue},
};

constexpr MethodCallOf<Control> kMethodCalls[] = {{u"Refresh", refresh}};

// Each type: its window class and styles, and the colours it reports before the
// program sets any (the platform's own: button face and text, or window and window text).
struct TypeRow {
  ControlType type;
  const wchar_t* windowClass;
  LONG_PTR styles;
  ColorValue backColor;
  ColorValue foreColor;
};

constexpr ColorValue kButtonFace = systemColor(COLOR_BTNFACE);
constexpr ColorValue kButtonText = systemColor(COLOR_BTNTEXT);
constexpr ColorValue kWindow = systemColor(COLOR_WINDOW);
constexpr ColorValue kWindowText = systemColor(COLOR_WINDOWTEXT);

const TypeRow kTypes[] = {
    {ControlType::CommandButton, L"BUTTON", BS_PUSHBUTTON, kButtonFace, kButtonText},
    {ControlType::TextBox, L"EDIT", ES_LEFT | ES_AUTOHSCROLL, kWindow, kWindowText},
    {ControlType::CheckBox, L"BUTTON", BS_AUTOCHECKBOX, kButtonFace, kButtonText},
    {ControlType::OptionButton, L"BUTTON", BS_AUTORADIOBUTTON, kButtonFace, kButtonText},
};

const TypeRow& rowOf(ControlType type) {
  return kTypes[static_cast<int>(type)];
}

}  // namespace

const MemberTable& membersOf(ControlType type) {
  static const auto tables = buildTables<MemberTable>(kAccessors, kMethodCalls);
  return tables[static_cast<std::size_t>(type)];
}

LONG_PTR buttonStyleFor(std::int16_t style) {
  return style == 1 ? BS_OWNERDRAW : BS_PUSHBUTTON;
}

// In place from the start, and each control starting a group of its own (the tab order joins
// option buttons), so that nothing needs moving or restyling once the window is made.
HWND createWindow(Control& control, HWND parent, int id) {
  const TypeRow& row = rowOf(control.type);
  control.backColor = row.backColor;
  control.foreColor = row.foreColor;
  const DWORD exStyle = control.type == ControlType::TextBox ? WS_EX_CLIENTEDGE : 0;
  const auto style = static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | row.styles);
  const PixelPlace place = pixelPlace(control);
  return CreateWindowExW(exStyle, row.windowClass, L"", style, place.left, place.top, place.width,
                         place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace host::win32
