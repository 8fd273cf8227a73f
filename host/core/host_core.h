#pragma once

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "host/core/host_base.h"
#include "host/core/member_calls.h"
#include "host/core/member_tables.h"
#include "host/core/registry.h"

namespace host {

// The forms host written once over a platform's form and control: the registry and its lookups,
// enumeration, type names and the by-name members through the member tables, every operation
// through the guard. The platform supplies its windows or widgets, painting, messages and
// accessibility through the hooks below. Form derives from FormEntry; Control derives from
// ControlRecord and has `const MemberTableOf<Control>* members`.
template <class Form, class Control>
class HostCore : public HostBase {
 public:
  // Makes the program's code for the form, binds its handlers and delivers the load event; then
  // the focus goes to the first control in tab order.
  void attachCode(FormRef ref, const Project& project) {
    Form& form = formOf(ref);
    HostBase::attachCode(form, project);
    focusFirstInTabOrder(form);
  }

  // For tests and tools: a form's controls, one by its name, and the program's code.
  ControlRef control(FormRef form, TextView name, std::optional<std::int16_t> index = {}) const {
    return registry_.named(formOf(form), name, index);
  }
  std::vector<ControlRef> controlsOf(FormRef form) const { return formOf(form).controls; }
  FormCode* code(FormRef form) const { return formOf(form).code.get(); }

  // FormsHost.
  void setCaption(FormRef form, TextView caption) final {
    guarded([&] { showCaption(formOf(form), caption); });
  }
  void setBackColor(FormRef form, ColorValue color) final {
    guarded([&] {
      Form& target = formOf(form);
      try {
        showBackColor(target, color);
      } catch (const HostError& error) {
        throw HostError(error.code(), toUtf8(target.name) + ".BackColor: " + error.what());
      }
    });
  }
  ControlCollection controls(FormRef form) final {
    return guarded([&] { return ControlCollection{formOf(form).ref}; });
  }
  void refresh(FormRef form) final {
    guarded([&] { repaintNow(formOf(form)); });
  }
  Enumerator startEnumeration(const ControlCollection& collection) final {
    return guarded([&] { return firstControl(formOf(collection.form)); });
  }
  void advance(Enumerator& enumerator) final {
    guarded([&] { nextControl(formOf(enumerator.form), enumerator); });
  }
  Text typeName(ControlRef control) final {
    return guarded([&] { return registry_.typeNameOf(control); });
  }
  Value getProperty(ControlRef control, TextView name) final {
    return guarded([&] { return getMember(controlOf(control), name); });
  }
  void setProperty(ControlRef control, TextView name, const Value& value) final {
    guarded([&] { setMember(controlOf(control), name, value); });
  }
  void callMethod(ControlRef control, TextView name, std::span<const Value> arguments) final {
    guarded([&] { callMember(controlOf(control), name, arguments); });
  }
  void yield() final {
    guarded([&] { handlePendingEvents(); });
  }

 protected:
  using MembersOf = const MemberTableOf<Control>& (*)(ControlType type);

  HostCore(ErrorReporter reporter, MembersOf membersOf)
      : HostBase(std::move(reporter)), membersOf_(membersOf) {}

  // The platform's side of the form's typed members and of the event loop.
  virtual void showCaption(Form& form, TextView caption) = 0;
  virtual void showBackColor(Form& form, ColorValue color) = 0;
  virtual void repaintNow(Form& form) = 0;
  virtual void handlePendingEvents() = 0;
  // Puts the platform's tab order of the form's controls in the order of their "TabIndex".
  virtual void threadTabOrder(Form& form) = 0;
  virtual void focusFirstInTabOrder(Form& form) = 0;

  Form& formOf(FormRef ref) const { return registry_.form(ref); }
  Control& controlOf(ControlRef ref) const { return registry_.control(ref); }

  // Takes a platform's control into a form, last in its enumeration order: the platform has
  // made its widget or window and given it its type and names; the control gets its reference,
  // its type's members, and the form's tab order follows its "TabIndex".
  Control& registerControl(Form& form, std::unique_ptr<Control> control) {
    control->members = &membersOf_(control->type);
    control->tabIndexChanged = [this, &form] { threadTabOrder(form); };
    return registry_.add(form, std::move(control));
  }

  // The form's controls in tab order: by "TabIndex", and in enumeration order where two share it.
  std::vector<Control*> tabChain(const Form& form) const {
    std::vector<Control*> chain;
    for (const ControlRef ref : form.controls) chain.push_back(&controlOf(ref));
    std::stable_sort(chain.begin(), chain.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    return chain;
  }

  Registry<Form, Control> registry_;

 private:
  MembersOf membersOf_;
};

}  // namespace host
