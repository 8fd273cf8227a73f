#pragma once

#include <QWidget>
#include <optional>
#include <span>

#include "host/member_list.h"
#include "host/qt/control.h"

namespace host::qt {

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

// The members of one control type, looked up by name when the program calls them.
struct MemberTable {
  MemberList<Property> properties;
  MemberList<Method> methods;
};

const MemberTable& membersOf(ControlType type);

using host::controlTypeNamed;

// Creates the widget of a control type, as a child of `parent`, with the host's defaults.
QWidget* createWidget(Control& control, QWidget* parent);

}  // namespace host::qt
