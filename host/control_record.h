#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "host/control_members.h"
#include "host/definition.h"
#include "host/handles.h"
#include "host/text.h"
#include "host/value.h"

namespace host {

// What every host keeps of one control in the program's terms, whatever the platform holds:
// its name and place in a control array, its geometry in twips, its colour values and the
// numeric settings such as "Style" and "Appearance". A host's control adds its platform handle.
struct ControlRecord {
  ControlRef ref;
  FormRef form;
  ControlType type{};
  Text typeName;
  Text name;
  std::optional<std::int16_t> index;
  double left = 0, top = 0, width = 0, height = 0;  // twips
  ColorValue backColor = 0;
  ColorValue foreColor = 0;
  std::int16_t style = 0;
  std::int16_t appearance = 1;
  std::int16_t borderStyle = 1;
  std::int16_t tabIndex = 0;
  bool visible = true;
  std::function<void()> tabIndexChanged;  // the form re-threads its tab order
};

// "Command1(3)" or "cmdProbar", for messages and assistive technology.
std::string describe(const ControlRecord& control);

// The control type a definition names; an unknown one is refused.
ControlType definedType(const ControlDefinition& definition);

// Fills a new control's record from its definition: what it is, its names and its twips. The
// host then makes its widget or window and places it.
void recordDefinition(ControlRecord& control, ControlRef ref, FormRef form,
                      const ControlDefinition& definition);

}  // namespace host
