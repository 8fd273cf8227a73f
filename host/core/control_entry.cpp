#include "host/core/control_entry.h"

namespace host {

std::string describe(const ControlEntry& control) {
  std::string text = toUtf8(control.name);
  if (control.index) text.append("(").append(std::to_string(*control.index)).append(")");
  return text;
}

}  // namespace host
