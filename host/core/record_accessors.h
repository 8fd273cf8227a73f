#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

#include "host/core/control_record.h"
#include "host/core/member_tables.h"
#include "host/error.h"
#include "host/value.h"

namespace host {

// The bindings of the members whose values a control keeps in its record, written once over the
// host's control type. A setter keeps the new value and has the platform show it: a host's
// control derives from ControlRecord and has beside it, in the host's namespace,
// applyGeometry(control), which places it, and showRecorded(control, member), which shows the
// record's value of any other member kept here.

// --- value checks ----------------------------------------------------------------------------

// The value of a setting that is 0 or 1; anything else is refused.
std::int16_t zeroOrOne(const Value& value, Member member);
// A width or height in twips; a negative one is refused.
double sizeInTwips(const Value& value);
bool flagOf(const Value& value, Member member);
ColorValue colourOf(const Value& value, Member member);

// --- the record's members --------------------------------------------------------------------

inline Value valueOf(const Text& text) {
  return Value::text(text);
}
inline Value valueOf(double number) {
  return Value::number(number);
}
inline Value valueOf(std::int16_t number) {
  return Value::int16(number);
}
inline Value valueOf(std::int32_t number) {
  return Value::int32(number);
}
inline Value valueOf(bool flag) {
  return Value::boolean(flag);
}

// A member's value as the record keeps it.
template <class Control, auto kField>
Value kept(const Control& c) {
  return valueOf(c.*kField);
}

template <class Control>
Value getIndex(const Control& c) {
  if (!c.index) {
    throw HostError(ErrorCode::NotInArray,
                    "not in a control array: " + describe(c) + " has no Index");
  }
  return Value::int16(*c.index);
}

template <class Control, double ControlRecord::*kPlace>
void setPlace(Control& c, const Value& v) {
  c.*kPlace = v.asNumber();
  applyGeometry(c);
}
template <class Control, double ControlRecord::*kSize>
void setSize(Control& c, const Value& v) {
  c.*kSize = sizeInTwips(v);
  applyGeometry(c);
}

template <class Control>
void setTabIndex(Control& c, const Value& v) {
  const std::int16_t position = v.asInt16();
  if (position < 0) throw HostError(ErrorCode::InvalidValue, "invalid value: negative TabIndex");
  c.tabIndex = position;
  if (c.tabIndexChanged) c.tabIndexChanged();
}

// Keeps a member's new value and has the platform show it; a value the platform refuses (a
// colour it does not know) is not kept.
template <class Control, Member kMember, auto kField, auto kConvert>
void setShown(Control& c, const Value& v) {
  auto& field = c.*kField;
  const auto previous = field;
  field = kConvert(v, kMember);
  try {
    showRecorded(c, kMember);
  } catch (...) {
    field = previous;
    throw;
  }
}

template <class Control, Member kMember, auto kField, auto kConvert>
constexpr Binding<Control> shown() {
  return {kMember, kept<Control, kField>, setShown<Control, kMember, kField, kConvert>};
}

template <class Control>
void moveControl(Control& c, std::span<const Value> arguments) {
  // Convert every argument first, so that a bad one leaves the control where it was.
  const double left = arguments[0].asNumber();
  const double top = arguments.size() > 1 ? arguments[1].asNumber() : c.top;
  const double width = arguments.size() > 2 ? sizeInTwips(arguments[2]) : c.width;
  const double height = arguments.size() > 3 ? sizeInTwips(arguments[3]) : c.height;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  applyGeometry(c);
}

// The bindings no host changes; a host adds its own, which call its platform, and gets its
// whole list from withRecordBindings.
template <class Control>
constexpr Binding<Control> kRecordBindings[] = {
    {Member::Name, kept<Control, &ControlEntry::name>},
    {Member::Index, getIndex<Control>},
    {Member::Left, kept<Control, &ControlRecord::left>, setPlace<Control, &ControlRecord::left>},
    {Member::Top, kept<Control, &ControlRecord::top>, setPlace<Control, &ControlRecord::top>},
    {Member::Width, kept<Control, &ControlRecord::width>, setSize<Control, &ControlRecord::width>},
    {Member::Height, kept<Control, &ControlRecord::height>,
     setSize<Control, &ControlRecord::height>},
    {Member::TabIndex, kept<Control, &ControlRecord::tabIndex>, setTabIndex<Control>},
    shown<Control, Member::Visible, &ControlRecord::visible, flagOf>(),
    shown<Control, Member::BackColor, &ControlRecord::backColor, colourOf>(),
    shown<Control, Member::ForeColor, &ControlRecord::foreColor, colourOf>(),
    shown<Control, Member::Appearance, &ControlRecord::appearance, zeroOrOne>(),
    shown<Control, Member::Style, &ControlRecord::style, zeroOrOne>(),
    shown<Control, Member::BorderStyle, &ControlRecord::borderStyle, zeroOrOne>(),
    {.member = Member::Move, .call = moveControl<Control>},
};

template <class Control, std::size_t N>
constexpr auto withRecordBindings(const Binding<Control> (&own)[N]) {
  constexpr std::size_t kShared = std::size(kRecordBindings<Control>);
  std::array<Binding<Control>, kShared + N> all{};
  for (std::size_t i = 0; i < kShared; ++i) all[i] = kRecordBindings<Control>[i];
  for (std::size_t i = 0; i < N; ++i) all[kShared + i] = own[i];
  return all;
}

}  // namespace host
