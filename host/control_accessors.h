#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "host/control_members.h"
#include "host/control_record.h"
#include "host/error.h"
#include "host/member_list.h"
#include "host/value.h"

namespace host {

// A host's member tables and the getters and setters that do not touch the platform, written
// once over the host's control type. A host's control derives from ControlRecord and has an
// applyGeometry(control) beside it, which the geometry setters call to place it.

template <class Control>
struct PropertyOf {
  ValueKind kind;
  Value (*get)(const Control&);
  void (*set)(Control&, const Value&);  // null for a read-only property
};

template <class Control>
struct MethodOf {
  std::size_t minArguments;
  std::size_t maxArguments;
  void (*call)(Control&, std::span<const Value>);
};

// The members of one control type, looked up by name when the program calls them.
template <class Control>
struct MemberTableOf {
  using Record = Control;
  MemberList<PropertyOf<Control>> properties;
  MemberList<MethodOf<Control>> methods;
};

// One row of a host's accessors: the calls behind a member of the shared definition
// (host/control_members.h), found by its name and the kind of its value.
template <class Control>
struct AccessorOf {
  const char16_t* name;
  ValueKind kind;
  Value (*get)(const Control&);
  void (*set)(Control&, const Value&);
};

template <class Control>
struct MethodCallOf {
  const char16_t* name;
  void (*call)(Control&, std::span<const Value>);
};

// --- value checks ----------------------------------------------------------------------------

// The value of a setting that is 0 or 1; anything else is refused.
std::int16_t zeroOrOne(const Value& value, const char* member);

// A width or height in twips; a negative one is refused.
double sizeInTwips(const Value& value);

// --- the members that are the same on every host ---------------------------------------------

template <class Control>
Value getName(const Control& c) {
  return Value::text(c.name);
}

template <class Control>
Value getIndex(const Control& c) {
  if (!c.index) {
    throw HostError(ErrorCode::NotInArray,
                    "not in a control array: " + describe(c) + " has no Index");
  }
  return Value::int16(*c.index);
}

template <class Control>
Value getLeft(const Control& c) {
  return Value::number(c.left);
}
template <class Control>
Value getTop(const Control& c) {
  return Value::number(c.top);
}
template <class Control>
Value getWidth(const Control& c) {
  return Value::number(c.width);
}
template <class Control>
Value getHeight(const Control& c) {
  return Value::number(c.height);
}
template <class Control>
void setLeft(Control& c, const Value& v) {
  c.left = v.asNumber();
  applyGeometry(c);
}
template <class Control>
void setTop(Control& c, const Value& v) {
  c.top = v.asNumber();
  applyGeometry(c);
}
template <class Control>
void setWidth(Control& c, const Value& v) {
  c.width = sizeInTwips(v);
  applyGeometry(c);
}
template <class Control>
void setHeight(Control& c, const Value& v) {
  c.height = sizeInTwips(v);
  applyGeometry(c);
}

template <class Control>
Value getVisible(const Control& c) {
  return Value::boolean(c.visible);
}
template <class Control>
Value getBackColor(const Control& c) {
  return Value::int32(c.backColor);
}
template <class Control>
Value getForeColor(const Control& c) {
  return Value::int32(c.foreColor);
}

template <class Control>
Value getTabIndex(const Control& c) {
  return Value::int16(c.tabIndex);
}
template <class Control>
void setTabIndex(Control& c, const Value& v) {
  const std::int16_t position = v.asInt16();
  if (position < 0) throw HostError(ErrorCode::InvalidValue, "invalid value: negative TabIndex");
  c.tabIndex = position;
  if (c.tabIndexChanged) c.tabIndexChanged();
}

template <class Control>
Value getAppearance(const Control& c) {
  return Value::int16(c.appearance);
}
template <class Control>
Value getStyle(const Control& c) {
  return Value::int16(c.style);
}
template <class Control>
Value getBorderStyle(const Control& c) {
  return Value::int16(c.borderStyle);
}

template <class Control>
void moveControl(Control& c, std::span<const Value> arguments) {
  // Convert every argument first, so that a bad one leaves the control where it was.
  const double left = arguments[0].asNumber();
  const double top = arguments.size() > 1 ? arguments[1].asNumber() : c.top;
  const double width = arguments.size() > 2 ? sizeInTwips(arguments[2]) : c.width;
  const double height = arguments.size() > 3 ? sizeInTwips(arguments[3]) : c.height;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  applyGeometry(c);
}

// The accessors no host changes; a host lists the rest, which call its platform.
template <class Control>
constexpr AccessorOf<Control> kSharedAccessors[] = {
    {u"Name", ValueKind::Text, getName<Control>, nullptr},
    {u"Index", ValueKind::Int16, getIndex<Control>, nullptr},
    {u"Left", ValueKind::Number, getLeft<Control>, setLeft<Control>},
    {u"Top", ValueKind::Number, getTop<Control>, setTop<Control>},
    {u"Width", ValueKind::Number, getWidth<Control>, setWidth<Control>},
    {u"Height", ValueKind::Number, getHeight<Control>, setHeight<Control>},
    {u"TabIndex", ValueKind::Int16, getTabIndex<Control>, setTabIndex<Control>},
};

template <class Control>
constexpr MethodCallOf<Control> kSharedMethodCalls[] = {{u"Move", moveControl<Control>}};

// --- building the tables ---------------------------------------------------------------------

template <class Row>
const Row* rowNamed(std::span<const Row> rows, TextView name) {
  for (const Row& row : rows) {
    if (TextView(row.name) == name) return &row;
  }
  return nullptr;
}

template <class Control>
const AccessorOf<Control>* accessorFor(std::span<const AccessorOf<Control>> rows,
                                       const PropertyShape& shape) {
  for (const AccessorOf<Control>& row : rows) {
    if (TextView(row.name) == shape.name && row.kind == shape.kind) return &row;
  }
  return nullptr;
}

// Binds every member of a type's shared definition to the host's accessors, or to the shared
// ones where the host lists none; whether a property may be set follows the definition.
template <class Table>
Table buildTable(ControlType type, std::span<const AccessorOf<typename Table::Record>> accessors,
                 std::span<const MethodCallOf<typename Table::Record>> methodCalls) {
  using Control = typename Table::Record;
  const auto bindProperty = [&](const PropertyShape& shape) {
    const AccessorOf<Control>* row = accessorFor(accessors, shape);
    if (!row)
      row = accessorFor(std::span<const AccessorOf<Control>>(kSharedAccessors<Control>), shape);
    if (!row) throw std::logic_error("no accessor for a member of the shared definition");
    return PropertyOf<Control>{shape.kind, row->get, shape.settable ? row->set : nullptr};
  };
  const auto bindMethod = [&](const MethodShape& shape) {
    const MethodCallOf<Control>* row = rowNamed(methodCalls, shape.name);
    if (!row) {
      row =
          rowNamed(std::span<const MethodCallOf<Control>>(kSharedMethodCalls<Control>), shape.name);
    }
    if (!row) throw std::logic_error("no call for a method of the shared definition");
    return MethodOf<Control>{shape.minArguments, shape.maxArguments, row->call};
  };
  Table table;
  for (const PropertyShape& shape : commonProperties())
    table.properties.add(shape.name, bindProperty(shape));
  for (const PropertyShape& shape : ownProperties(type))
    table.properties.add(shape.name, bindProperty(shape));
  for (const MethodShape& shape : controlMethods())
    table.methods.add(shape.name, bindMethod(shape));
  return table;
}

// The tables of every control type, in the order of ControlType.
template <class Table>
std::array<Table, 4> buildTables(
    std::span<const AccessorOf<typename Table::Record>> accessors,
    std::span<const MethodCallOf<typename Table::Record>> methodCalls) {
  return {buildTable<Table>(ControlType::CommandButton, accessors, methodCalls),
          buildTable<Table>(ControlType::TextBox, accessors, methodCalls),
          buildTable<Table>(ControlType::CheckBox, accessors, methodCalls),
          buildTable<Table>(ControlType::OptionButton, accessors, methodCalls)};
}

}  // namespace host
