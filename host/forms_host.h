#pragma once

#include <cstdint>
#include <span>

#include "host/handles.h"
#include "host/text.h"
#include "host/value.h"

namespace host {

// What the program needs of the platform layer that owns the event loop, the forms and their
// controls. Every operation may refuse by raising a HostError at the caller's statement.
// Member names (properties and methods) are looked up when called, so the program reaches any
// control by name without knowing its type.
class FormsHost {
 public:
  virtual ~FormsHost() = default;

  // The form's own typed members.
  virtual void setCaption(FormRef form, TextView caption) = 0;
  virtual void setBackColor(FormRef form, ColorValue color) = 0;
  virtual ControlCollection controls(FormRef form) = 0;
  // Repaints the form and its controls at once.
  virtual void refresh(FormRef form) = 0;

  // Enumeration: the first control (or the end) and then each further one, in the host's order.
  // Starting and advancing are separate operations, and either may fail.
  virtual Enumerator startEnumeration(const ControlCollection& collection) = 0;
  virtual void advance(Enumerator& enumerator) = 0;

  // The control's kind: "CommandButton", "TextBox", "CheckBox", "OptionButton", ... For an empty
  // reference a text that names no kind.
  virtual Text typeName(ControlRef control) = 0;

  // Late-bound members.
  virtual Value getProperty(ControlRef control, TextView name) = 0;
  virtual void setProperty(ControlRef control, TextView name, const Value& value) = 0;
  virtual void callMethod(ControlRef control, TextView name, std::span<const Value> arguments) = 0;

  // Value operations of the host's runtime: composing a colour, comparing two texts exactly
  // (same characters, same case, whole text) and testing a flag. They are host operations so
  // that, like every other, they can refuse and the program's skip rules apply to them.
  virtual ColorValue rgb(int red, int green, int blue) = 0;
  virtual bool textEquals(TextView left, TextView right) = 0;
  virtual bool flagSet(Boolean flag) = 0;

  // Handles every pending event, painting included, and returns. Handlers of events delivered
  // here run nested inside the call.
  virtual void yield() = 0;
};

// The composition every host uses: red + 256 * green + 65536 * blue. Raises InvalidValue for a
// component outside 0..255.
ColorValue composeRgb(int red, int green, int blue);

// 16-bit signed arithmetic that raises Overflow instead of wrapping.
std::int16_t checkedAdd(std::int16_t left, std::int16_t right);

}  // namespace host
