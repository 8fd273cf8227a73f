#pragma once

#include <cstdint>

namespace host {

// References to host objects. They are plain values naming an object that the host owns; an
// empty reference (id 0) names nothing, and every operation on it but the type name raises
// NoObject. Holding one keeps nothing alive, so there is nothing to release.
struct FormRef {
  std::uint32_t id = 0;
  bool empty() const { return id == 0; }
  friend bool operator==(FormRef, FormRef) = default;
};

struct ControlRef {
  std::uint32_t id = 0;
  bool empty() const { return id == 0; }
  friend bool operator==(ControlRef, ControlRef) = default;
};

// A form's collection of controls: every control of the form, each member of a control array
// separately.
struct ControlCollection {
  FormRef form;
};

// A position in an enumeration of a collection. `current` is the control delivered last, and
// empty once the enumeration has passed the last control.
struct Enumerator {
  FormRef form;
  std::uint32_t position = 0;
  ControlRef current;
  bool atEnd() const { return current.empty(); }
};

}  // namespace host
