#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/handles.h"
#include "host/text.h"

namespace host {

// What every host keeps of a control to find it: its form, the name of its kind, and its name
// and place in a control array.
struct ControlEntry {
  ControlRef ref;
  FormRef form;
  Text typeName;
  Text name;
  std::optional<std::int16_t> index;
};

// "Command1(3)" or "cmdProbar", for messages, traces and assistive technology.
inline std::string describe(const ControlEntry& control) {
  std::string text = toUtf8(control.name);
  if (control.index) text.append("(").append(std::to_string(*control.index)).append(")");
  return text;
}

}  // namespace host
