#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/text.h"
#include "host/value.h"

namespace host {

// A setting stored in a definition beyond the common ones, applied by the host through the
// control's own member table when it creates the control (a button's "Style", say).
struct StoredSetting {
  Text member;
  Value value;
};

// One control of a form definition. Geometry is in twips from the top-left corner of the form's
// client area. `caption` is the caption of a button, check box or option button, or the text of
// a text box.
struct ControlDefinition {
  Text name;
  std::optional<std::int16_t> index;  // set for members of a control array
  Text typeName;
  Text caption;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  std::int16_t tabIndex = 0;
  std::vector<StoredSetting> settings;
};

// A form definition: the form's own settings and its controls, in definition order (which is
// also the host's enumeration order).
struct FormDefinition {
  Text name;
  Text caption;
  double clientLeft = 0;  // stored but not used for placement: the window manager places the form
  double clientTop = 0;
  double clientWidth = 0;
  double clientHeight = 0;
  std::vector<ControlDefinition> controls;
};

}  // namespace host
