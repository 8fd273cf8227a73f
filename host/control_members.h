#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "host/text.h"
#include "host/value.h"

namespace host {

// The control types every host of ours makes.
enum class ControlType { CommandButton, TextBox, CheckBox, OptionButton };

// The control type a definition's type name stands for; empty for a name we do not know.
std::optional<ControlType> controlTypeNamed(TextView typeName);

// The members each control type has on every host: a property's name, the kind of its value and
// whether the program may set it; a method's name and how many arguments it takes. A host binds
// each to its own platform calls; refusals follow from this one definition.
struct PropertyShape {
  const char16_t* name;
  ValueKind kind;
  bool settable;
};

struct MethodShape {
  const char16_t* name;
  std::size_t minArguments;
  std::size_t maxArguments;
};

// The members every control has, then the type's own.
std::span<const PropertyShape> commonProperties();
std::span<const PropertyShape> ownProperties(ControlType type);
std::span<const MethodShape> controlMethods();

}  // namespace host
