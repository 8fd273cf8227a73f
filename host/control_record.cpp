#include "host/control_record.h"

#include "host/error.h"

namespace host {

std::string describe(const ControlRecord& control) {
  std::string text = toUtf8(control.name);
  if (control.index) text.append("(").append(std::to_string(*control.index)).append(")");
  return text;
}

ControlType definedType(const ControlDefinition& definition) {
  const auto type = controlTypeNamed(definition.typeName);
  if (!type) {
    throw HostError(ErrorCode::InvalidValue,
                    "invalid value: the definition names an unknown control type " +
                        toUtf8(definition.typeName));
  }
  return *type;
}

void recordDefinition(ControlRecord& control, ControlRef ref, FormRef form,
                      const ControlDefinition& definition) {
  control.ref = ref;
  control.form = form;
  control.type = definedType(definition);
  control.typeName = definition.typeName;
  control.name = definition.name;
  control.index = definition.index;
  control.left = definition.left;
  control.top = definition.top;
  control.width = definition.width;
  control.height = definition.height;
  control.tabIndex = definition.tabIndex;
}

}  // namespace host
