#pragma once

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
Enumerator firstControl(const FormEntry& form);
void nextControl(const FormEntry& form, Enumerator& enumerator);

}  // namespace host
