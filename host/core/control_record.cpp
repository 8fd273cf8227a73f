#include "host/core/control_record.h"

#include "host/error.h"

namespace host {

ControlType definedType(const ControlDefinition& definition) {
  const auto type = controlTypeNamed(definition.typeName);
  if (!type) {
    throw HostError(ErrorCode::InvalidValue,
                    "invalid value: the definition names an unknown control type " +
                        toUtf8(definition.typeName));
  }
  return *type;
}

void recordDefinition(ControlRecord& control, const ControlDefinition& definition) {
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
