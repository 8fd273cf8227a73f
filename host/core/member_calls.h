#pragma once

#include <cstddef>
#include <span>

#include "host/core/control_record.h"
#include "host/core/member_shapes.h"
#include "host/definition.h"
#include "host/error.h"
#include "host/text.h"
#include "host/value.h"

namespace host {

// The program's calls on a control's members, the same on every host: the member is looked up
// in the control's table (control.members), a call the table does not allow is refused, and an
// error raised while converting or applying a value is given the control and the member.

[[noreturn]] void refuseUnknownMember(const ControlRecord& control, const char* kind,
                                      TextView name);
[[noreturn]] void refuseReadOnly(const ControlRecord& control, TextView name);
[[noreturn]] void refuseArguments(const ControlRecord& control, TextView name,
                                  std::size_t minArguments, std::size_t maxArguments);

// The error with the control and the member before its message.
HostError naming(const HostError& error, const ControlRecord& control, TextView member);

template <class Control>
const auto& propertyOf(const Control& control, TextView name) {
  const auto* found = control.members->properties.find(name);
  if (!found) refuseUnknownMember(control, "property", name);
  return *found;
}

template <class Control>
Value getMember(const Control& control, TextView name) {
  return propertyOf(control, name).get(control);
}

template <class Control>
void setMember(Control& control, TextView name, const Value& value) {
  const auto& property = propertyOf(control, name);
  if (!property.set) refuseReadOnly(control, name);
  try {
    property.set(control, value);
  } catch (const HostError& error) {
    throw naming(error, control, name);
  }
}

template <class Control>
void callMember(Control& control, TextView name, std::span<const Value> arguments) {
  const auto* found = control.members->methods.find(name);
  if (!found) refuseUnknownMember(control, "method", name);
  if (arguments.size() < found->minArguments || arguments.size() > found->maxArguments) {
    refuseArguments(control, name, found->minArguments, found->maxArguments);
  }
  try {
    found->call(control, arguments);
  } catch (const HostError& error) {
    throw naming(error, control, name);
  }
}

[[noreturn]] void refuseStoredSetting(const ControlRecord& control, TextView member);

// Sets each setting a definition stores for a new control, once its widget or window is made;
// each must name a settable property.
template <class Control>
void applyStoredSettings(Control& control, const ControlDefinition& definition) {
  for (const StoredSetting& setting : definition.settings) {
    const auto* found = control.members->properties.find(setting.member);
    if (!found || !found->set) refuseStoredSetting(control, setting.member);
    found->set(control, setting.value);
  }
}

// Sets what a definition stores for a new control, once its widget or window is made: the
// caption (a text box's text), then each stored setting. A host whose window takes its caption
// when it is made applies the stored settings alone.
template <class Control>
void applyDefinition(Control& control, const ControlDefinition& definition) {
  const Value caption = Value::text(definition.caption);
  const Member captionMember =
      control.type == ControlType::TextBox ? Member::Text : Member::Caption;
  control.members->properties.find(nameOf(captionMember))->set(control, caption);
  applyStoredSettings(control, definition);
}

}  // namespace host
