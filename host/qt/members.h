#pragma once

#include <QWidget>
#include <optional>
#include <span>
#include <unordered_map>

#include "host/qt/control.h"

namespace host::qt {

// Hashing that lets a table keyed by Text be searched with a TextView, without a copy.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(TextView text) const { return std::hash<TextView>{}(text); }
};

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
  std::unordered_map<Text, Property, TextHash, std::equal_to<>> properties;
  std::unordered_map<Text, Method, TextHash, std::equal_to<>> methods;
};

const MemberTable& membersOf(ControlType type);

// The control type a definition's type name stands for; empty for a name we do not know.
std::optional<ControlType> controlTypeNamed(TextView typeName);

// Creates the widget of a control type, as a child of `parent`, with the host's defaults.
QWidget* createWidget(Control& control, QWidget* parent);

}  // namespace host::qt
