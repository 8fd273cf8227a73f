#pragma once

#include <cstdint>
#include <functional>

#include "host/core/control_entry.h"
#include "host/core/control_type.h"
#include "host/definition.h"
#include "host/value.h"

namespace host {

// What a host that binds members through tables keeps of one control in the program's terms,
// whatever the platform holds: its type, its geometry in twips, its colour values and the
// numeric settings such as "Style" and "Appearance". A host's control adds its platform handle
// and its type's member table.
struct ControlRecord : ControlEntry {
  ControlType type = ControlType::Other;
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

// The control type a definition names; an unknown one is refused.
ControlType definedType(const ControlDefinition& definition);

// Fills a new control's record from its definition: what it is, its names, its twips, and the
// system colours it reports until the program sets its own. The host then makes its widget or
// window and registers it.
void recordDefinition(ControlRecord& control, const ControlDefinition& definition);

// Fills the record of a control the host adopted, made elsewhere rather than from a definition:
// what it is, its name, and the system colours it reports until the program sets its own, as a
// defined control of its type does. The host reads its place and tab position off the platform.
void recordAdopted(ControlRecord& control, ControlType type, Text typeName, Text name);

}  // namespace host
