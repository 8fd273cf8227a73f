#include "host/control_record.h"

namespace host {

std::string describe(const ControlRecord& control) {
  std::string text = toUtf8(control.name);
  if (control.index) text.append("(").append(std::to_string(*control.index)).append(")");
  return text;
}

}  // namespace host
