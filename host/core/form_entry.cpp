#include "host/core/form_entry.h"

namespace host {

Enumerator firstControl(const FormEntry& form) {
  Enumerator enumerator{form.ref, 0, {}};
  if (!form.controls.empty()) enumerator.current = form.controls.front();
  return enumerator;
}

void nextControl(const FormEntry& form, Enumerator& enumerator) {
  const std::uint32_t next = enumerator.position + 1;
  enumerator.current = next < form.controls.size() ? form.controls[next] : ControlRef{};
  enumerator.position = next;
}

}  // namespace host
