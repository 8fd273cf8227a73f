#include "host/core/control_record.h"

#include "host/error.h"

namespace host {
namespace {

// The colours a control reports before the program sets any: the system's, button face and
// text, or for a text box window and window text.
constexpr ColorValue kButtonFace = systemColor(15);
constexpr ColorValue kButtonText = systemColor(18);
constexpr ColorValue kWindow = systemColor(5);
constexpr ColorValue kWindowText = systemColor(8);

void reportSystemColours(ControlRecord& control) {
  const bool textBox = control.type == ControlType::TextBox;
  control.backColor = textBox ? kWindow : kButtonFace;
  control.foreColor = textBox ? kWindowText : kButtonText;
}

}  // namespace

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
  reportSystemColours(control);
}

void recordAdopted(ControlRecord& control, ControlType type, Text typeName, Text name) {
  control.type = type;
  control.typeName = std::move(typeName);
  control.name = std::move(name);
  reportSystemColours(control);
}

}  // namespace host
