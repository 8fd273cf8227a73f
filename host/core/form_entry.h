#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/handles.h"
#include "host/project.h"
#include "host/text.h"

namespace host {

// What every host keeps of a form, whatever its platform keeps besides: its name, its controls
// in enumeration order, and the program's code for it with the handlers that code binds.
struct FormEntry {
  FormRef ref;
  Text name;
  std::vector<ControlRef> controls;
  std::unique_ptr<FormCode> code;
  std::vector<HandlerBinding> handlers;
};

// Enumeration: the form's first control (or the end), then each next one, in its order.
inline Enumerator firstControl(const FormEntry& form) {
  return {form.ref, 0, form.controls.empty() ? ControlRef{} : form.controls.front()};
}
inline void nextControl(const FormEntry& form, Enumerator& enumerator) {
  const std::uint32_t next = enumerator.position + 1;
  enumerator.current = next < form.controls.size() ? form.controls[next] : ControlRef{};
  enumerator.position = next;
}

}  // namespace host
