#include "host/win32/members.h"

#include <stdexcept>
#include <vector>

#include "host/control_members.h"
#include "host/error.h"
#include "host/win32/convert.h"

namespace host::win32 {
namespace {

// --- value checks ----------------------------------------------------------------------------

std::int16_t zeroOrOne(const Value& value, const char* member) {
  const std::int16_t number = value.asInt16();
  if (number != 0 && number != 1) {
    throw HostError(ErrorCode::InvalidValue,
                    "invalid value: " + std::to_string(number) + " for " + member + " (0 or 1)");
  }
  return number;
}

double size(const Value& value) {
  const double twips = value.asNumber();
  if (twips < 0) {
    throw HostError(ErrorCode::InvalidValue, "invalid value: a size cannot be negative");
  }
  return twips;
}

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

// --- the members every control has ---------------------------------------------------------

Value getName(const Control& c) {
  return Value::text(c.name);
}

Value getIndex(const Control& c) {
  if (!c.index) {
    throw HostError(ErrorCode::NotInArray,
                    "not in a control array: " + describe(c) + " has no Index");
  }
  return Value::int16(*c.index);
}

Value getLeft(const Control& c) {
  return Value::number(c.left);
}
Value getTop(const Control& c) {
  return Value::number(c.top);
}
Value getWidth(const Control& c) {
  return Value::number(c.width);
}
Value getHeight(const Control& c) {
  return Value::number(c.height);
}
void setLeft(Control& c, const Value& v) {
  c.left = v.asNumber();
  applyGeometry(c);
}
void setTop(Control& c, const Value& v) {
  c.top = v.asNumber();
  applyGeometry(c);
}
void setWidth(Control& c, const Value& v) {
  c.width = size(v);
  applyGeometry(c);
}
void setHeight(Control& c, const Value& v) {
  c.height = size(v);
  applyGeometry(c);
}

Value getEnabled(const Control& c) {
  return Value::boolean(IsWindowEnabled(c.window) != FALSE);
}
void setEnabled(Control& c, const Value& v) {
  const bool enabled = bool(v.asBoolean());
  if (!enabled) passFocusOn(c);
  EnableWindow(c.window, enabled);
}
Value getVisible(const Control& c) {
  return Value::boolean(c.visible);
}
void setVisible(Control& c, const Value& v) {
  c.visible = bool(v.asBoolean());
  if (!c.visible) passFocusOn(c);
  ShowWindow(c.window, c.visible ? SW_SHOWNA : SW_HIDE);
}

Value getBackColor(const Control& c) {
  return Value::int32(c.backColor);
}
void setBackColor(Control& c, const Value& v) {
  const ColorValue value = v.asInt32();
  resolveColor(value);  // refuses a colour we cannot show before anything changes
  c.backColor = value;
  schedulePaint(c);
}
Value getForeColor(const Control& c) {
  return Value::int32(c.foreColor);
}
void setForeColor(Control& c, const Value& v) {
  const ColorValue value = v.asInt32();
  resolveColor(value);
  c.foreColor = value;
  schedulePaint(c);
}

Value getTabIndex(const Control& c) {
  return Value::int16(c.tabIndex);
}
void setTabIndex(Control& c, const Value& v) {
  const std::int16_t position = v.asInt16();
  if (position < 0) throw HostError(ErrorCode::InvalidValue, "invalid value: negative TabIndex");
  c.tabIndex = position;
  if (c.tabIndexChanged) c.tabIndexChanged();
}

// A caption and a text box's text are both the window's text.
Value getWindowText(const Control& c) {
  return Value::text(windowText(c.window));
}
void setWindowTextTo(Control& c, const Value& v) {
  setWindowText(c.window, v.asText());
  schedulePaint(c);
}

Value getAppearance(const Control& c) {
  return Value::int16(c.appearance);
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

Value getStyle(const Control& c) {
  return Value::int16(c.style);
}
// The button keeps its window, and so its caption, place, tab position, state and focus: only
// its button style changes, between the platform's push button and one the host draws.
void setStyle(Control& c, const Value& v) {
  c.style = zeroOrOne(v, "Style");
  const LONG_PTR buttonStyles = styleOf(c.window) & 0xFFFF & ~LONG_PTR{BS_TYPEMASK};
  SendMessageW(c.window, BM_SETSTYLE, static_cast<WPARAM>(buttonStyles | buttonStyleFor(c.style)),
               TRUE);
  schedulePaint(c);
}

Value getBorderStyle(const Control& c) {
  return Value::int16(c.borderStyle);
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

void move(Control& c, std::span<const Value> arguments) {
  // Convert every argument first, so that a bad one leaves the control where it was.
  const double left = arguments[0].asNumber();
  const double top = arguments.size() > 1 ? arguments[1].asNumber() : c.top;
  const double width = arguments.size() > 2 ? size(arguments[2]) : c.width;
  const double height = arguments.size() > 3 ? size(arguments[3]) : c.height;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  applyGeometry(c);
}

// --- the tables ----------------------------------------------------------------------------

// This host's platform calls for each member; which type has which member, of what kind and
// whether it may be set, is every host's one definition (host/control_members.h).
struct Accessor {
  const char16_t* name;
  ValueKind kind;
  Value (*get)(const Control&);
  void (*set)(Control&, const Value&);
};

constexpr Accessor kAccessors[] = {
    {u"Name", ValueKind::Text, getName, nullptr},
    {u"Index", ValueKind::Int16, getIndex, nullptr},
    {u"Left", ValueKind::Number, getLeft, setLeft},
    {u"Top", ValueKind::Number, getTop, setTop},
    {u"Width", ValueKind::Number, getWidth, setWidth},
    {u"Height", ValueKind::Number, getHeight, setHeight},
    {u"Enabled", ValueKind::Boolean, getEnabled, setEnabled},
    {u"Visible", ValueKind::Boolean, getVisible, setVisible},
    {u"BackColor", ValueKind::Int32, getBackColor, setBackColor},
    {u"ForeColor", ValueKind::Int32, getForeColor, setForeColor},
    {u"TabIndex", ValueKind::Int16, getTabIndex, setTabIndex},
    {u"Appearance", ValueKind::Int16, getAppearance, setAppearance},
    {u"Caption", ValueKind::Text, getWindowText, setWindowTextTo},
    {u"Style", ValueKind::Int16, getStyle, setStyle},
    {u"Text", ValueKind::Text, getWindowText, setWindowTextTo},
    {u"BorderStyle", ValueKind::Int16, getBorderStyle, setBorderStyle},
    {u"Value", ValueKind::Int16, getCheckValue, setCheckValue},
    {u"Value", ValueKind::Boolean, getOptionValue, setOptionValue},
};

struct MethodCall {
  const char16_t* name;
  void (*call)(Control&, std::span<const Value>);
};

constexpr MethodCall kMethodCalls[] = {{u"Refresh", refresh}, {u"Move", move}};

Property bind(const PropertyShape& shape) {
  for (const Accessor& accessor : kAccessors) {
    if (TextView(accessor.name) == shape.name && accessor.kind == shape.kind) {
      return Property{shape.kind, accessor.get, shape.settable ? accessor.set : nullptr};
    }
  }
  throw std::logic_error("no accessor for a member of the shared definition");
}

Method bind(const MethodShape& shape) {
  for (const MethodCall& method : kMethodCalls) {
    if (TextView(method.name) == shape.name) {
      return Method{shape.minArguments, shape.maxArguments, method.call};
    }
  }
  throw std::logic_error("no call for a method of the shared definition");
}

MemberTable buildTable(ControlType type) {
  MemberTable table;
  for (const PropertyShape& shape : commonProperties())
    table.properties.add(shape.name, bind(shape));
  for (const PropertyShape& shape : ownProperties(type))
    table.properties.add(shape.name, bind(shape));
  for (const MethodShape& shape : controlMethods()) table.methods.add(shape.name, bind(shape));
  return table;
}

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
  static const MemberTable tables[] = {
      buildTable(ControlType::CommandButton),
      buildTable(ControlType::TextBox),
      buildTable(ControlType::CheckBox),
      buildTable(ControlType::OptionButton),
  };
  return tables[static_cast<int>(type)];
}

LONG_PTR buttonStyleFor(std::int16_t style) {
  return style == 1 ? BS_OWNERDRAW : BS_PUSHBUTTON;
}

HWND createWindow(Control& control, HWND parent, int id) {
  const TypeRow& row = rowOf(control.type);
  control.backColor = row.backColor;
  control.foreColor = row.foreColor;
  const DWORD exStyle = control.type == ControlType::TextBox ? WS_EX_CLIENTEDGE : 0;
  const auto style = static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | row.styles);
  return CreateWindowExW(exStyle, row.windowClass, L"", style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace host::win32
