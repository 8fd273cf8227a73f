#pragma once

#include <optional>
#include <span>

#include "host/member_list.h"
#include "host/win32/control.h"

namespace host::win32 {

struct Property {
  ValueKind kind;
  Value (*get)(const Control&);
  void (*set)(Control&, const Value&);  // null for a read-only property
};

struct Method {
  std::size_t minArguments;
  std::size_t maxArguments;
  void (*call)(Control&, std::span<const Value>);
};

// The members of one control type, looked up by name when the program calls them. The names,
// kinds and refusals are those of every host of ours.
struct MemberTable {
  MemberList<Property> properties;
  MemberList<Method> methods;
};

const MemberTable& membersOf(ControlType type);

// The control type a definition's type name stands for; empty for a name we do not know.
std::optional<ControlType> controlTypeNamed(TextView typeName);

// Creates the window of a control type as a child of `parent`, with the host's defaults, and
// sets the control's default colours.
HWND createWindow(Control& control, HWND parent, int id);

// The styles of a button window that stand for a command button's "Style".
LONG_PTR buttonStyleFor(std::int16_t style);

}  // namespace host::win32
