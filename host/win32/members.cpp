#include "host/win32/members.h"

#include <vector>

#include "host/core/record_accessors.h"
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

// --- what the record keeps, shown on the window ------------------------------------------------

// The button keeps its window, and so its caption, place, tab position, state and focus: only
// its button style changes, between the platform's push button and one the host draws.
void showStyle(const Control& c) {
  const LONG_PTR buttonStyles = styleOf(c.window) & 0xFFFF;
  const LONG_PTR wanted = (buttonStyles & ~LONG_PTR{BS_TYPEMASK}) | buttonStyleFor(c.style);
  if (wanted != buttonStyles) {
    SendMessageW(c.window, BM_SETSTYLE, static_cast<WPARAM>(wanted), FALSE);
  }
  schedulePaint(c);
}

// --- what lives in the window ----------------------------------------------------------------

Value getEnabled(const Control& c) {
  return Value::boolean(IsWindowEnabled(c.window) != FALSE);
}
void setEnabled(Control& c, const Value& v) {
  const bool enabled = bool(v.asBoolean());
  if (!enabled) passFocusOn(c);
  EnableWindow(c.window, enabled);
}

// A caption and a text box's text are both the window's text.
Value getWindowText(const Control& c) {
  return Value::text(windowText(c.window));
}
void setWindowTextTo(Control& c, const Value& v) {
  setWindowText(c.window, v.asText());
  schedulePaint(c);
}

Value getCheckValue(const Control& c) {
  return Value::int16(SendMessageW(c.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
}
void setCheckValue(Control& c, const Value& v) {
  const bool checked = zeroOrOne(v, Member::CheckValue) == 1;
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

// The members whose values live in the window, beside those every host keeps in its record
// (host/core/record_accessors.h). Which type has which member, of what kind and whether it may be
// set, is every host's one description (host/core/member_shapes.h).
constexpr Binding<Control> kWindowBindings[] = {
    {Member::Enabled, getEnabled, setEnabled},
    {Member::Caption, getWindowText, setWindowTextTo},
    {Member::Text, getWindowText, setWindowTextTo},
    {Member::CheckValue, getCheckValue, setCheckValue},
    {Member::OptionValue, getOptionValue, setOptionValue},
    {.member = Member::Refresh, .call = refresh},
};
constexpr auto kBindings = withRecordBindings(kWindowBindings);

// Each type a definition makes: its window class and styles.
struct TypeRow {
  ControlType type;
  const wchar_t* windowClass;
  LONG_PTR styles;
};

const TypeRow kTypes[] = {
    {ControlType::CommandButton, L"BUTTON", BS_PUSHBUTTON},
    {ControlType::TextBox, L"EDIT", ES_LEFT | ES_AUTOHSCROLL},
    {ControlType::CheckBox, L"BUTTON", BS_AUTOCHECKBOX},
    {ControlType::OptionButton, L"BUTTON", BS_AUTORADIOBUTTON},
};

const TypeRow& rowOf(ControlType type) {
  return kTypes[static_cast<int>(type)];
}

}  // namespace

const MemberTableOf<Control>& membersOf(ControlType type) {
  return boundMemberTables<kBindings>()[indexOf(type)];
}

LONG_PTR buttonStyleFor(std::int16_t style) {
  return style == 1 ? BS_OWNERDRAW : BS_PUSHBUTTON;
}

// In place, with its caption and in its group from the start, so that nothing needs moving,
// restyling or setting again once the window is made: each is a request to the window server
// wherever that runs in a process of its own.
HWND createWindow(Control& control, HWND parent, int id, const Text& caption, bool startsGroup) {
  const TypeRow& row = rowOf(control.type);
  const DWORD exStyle = control.type == ControlType::TextBox ? WS_EX_CLIENTEDGE : 0;
  const LONG_PTR group = startsGroup ? WS_GROUP : 0;
  const auto style = static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | group | row.styles);
  const PixelPlace place = pixelPlace(control);
  return CreateWindowExW(exStyle, row.windowClass, wide(caption), style, place.left, place.top,
                         place.width, place.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void showRecorded(Control& c, Member member) {
  switch (member) {
    case Member::Visible:
      if (!c.visible) passFocusOn(c);
      ShowWindow(c.window, c.visible ? SW_SHOWNA : SW_HIDE);
      return;
    case Member::BackColor:
    case Member::ForeColor:
      // Refuses a colour we cannot show; the record then keeps the one it had.
      resolveColor(member == Member::BackColor ? c.backColor : c.foreColor);
      schedulePaint(c);
      return;
    case Member::Appearance:
      if (c.type == ControlType::TextBox) {
        applyEditFrame(c);
      } else {
        schedulePaint(c);
      }
      return;
    case Member::Style:
      showStyle(c);
      return;
    case Member::BorderStyle:
      applyEditFrame(c);
      return;
    default:
      return;
  }
}

}  // namespace host::win32
