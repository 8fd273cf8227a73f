#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "host/core/control_entry.h"
#include "host/core/form_entry.h"
#include "host/error.h"

namespace host {

// A host's forms and controls, and the lookups that turn the program's references into them.
// A reference is the object's place in the registry, counted from 1; an object the platform has
// let go of (a window destroyed) stays in its place but is no longer live. Form derives from
// FormEntry and Control from ControlEntry, and each tells with live() whether it is still there.
template <class Form, class Control>
class Registry {
 public:
  // Takes a new form and gives it its reference.
  Form& add(std::unique_ptr<Form> form) {
    form->ref = FormRef{static_cast<std::uint32_t>(forms_.size() + 1)};
    forms_.push_back(std::move(form));
    return *forms_.back();
  }

  // Takes a new control of `form`, gives it its reference, and lists it last in the form's
  // enumeration order.
  Control& add(Form& form, std::unique_ptr<Control> control) {
    control->ref = ControlRef{static_cast<std::uint32_t>(controls_.size() + 1)};
    control->form = form.ref;
    form.controls.push_back(control->ref);
    controls_.push_back(std::move(control));
    return *controls_.back();
  }

  // The live object a reference names, or null.
  Form* find(FormRef ref) const {
    if (ref.id < 1 || ref.id > forms_.size() || !forms_[ref.id - 1]->live()) return nullptr;
    return forms_[ref.id - 1].get();
  }
  Control* find(ControlRef ref) const {
    if (ref.id < 1 || ref.id > controls_.size() || !controls_[ref.id - 1]->live()) return nullptr;
    return controls_[ref.id - 1].get();
  }

  // The same, refusing a reference that names no live object.
  Form& form(FormRef ref) const {
    Form* found = find(ref);
    if (!found) throw HostError(ErrorCode::NoObject, "no object: the form reference is empty");
    return *found;
  }
  Control& control(ControlRef ref) const {
    Control* found = find(ref);
    if (!found) throw HostError(ErrorCode::NoObject, "no object: the control reference is empty");
    return *found;
  }

  // The control of `form` with that name and place in a control array; empty for none.
  ControlRef named(const Form& form, TextView name, std::optional<std::int16_t> index) const {
    for (const ControlRef ref : form.controls) {
      const Control& candidate = *controls_[ref.id - 1];
      if (candidate.name == name && candidate.index == index) return ref;
    }
    return {};
  }

  // The type name of a control; for an empty reference, a text that names no type.
  Text typeNameOf(ControlRef ref) const {
    if (ref.empty()) return {};
    return control(ref).typeName;
  }

  const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }

  // The program's code goes before the forms: it may still refer to them.
  void releaseCode() {
    for (auto& form : forms_) form->code.reset();
  }
  void clear() {
    releaseCode();
    controls_.clear();
    forms_.clear();
  }

 private:
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace host
