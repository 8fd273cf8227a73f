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

// The getters and setters of what a control keeps in its record, written once over the host's
// control type. A setter keeps the new value and has the platform show it: a host's control
// derives from ControlRecord and has beside it, in the host's namespace, applyGeometry(control),
// which places it, and showRecorded(control, member), which shows the record's value of one of
// the other members kept here.

// --- value checks ----------------------------------------------------------------------------

// The value of a setting that is 0 or 1; anything else is refused.
std::int16_t zeroOrOne(const Value& value, const char* member);

// A width or height in twips; a negative one is refused.
double sizeInTwips(const Value& value);

// --- the members that are the same on every host ---------------------------------------------

// Keeps a member's new value and has the platform show it; a value the platform refuses (a
// colour it does not know) is not kept.
template <class Control, class Field>
void keepAndShow(Control& c, Member member, Field& field, Field value) {
  const Field previous = field;
  field = value;
  try {
    showRecorded(c, member);
  } catch (...) {
    field = previous;
    throw;
  }
}

template <class Control>
Value getName(const Control& c) {
  return Value::text(c.name);
}

template <class Control>
Value getIndex(const Control& c) {
  if (!c.index) {
    throw HostError(ErrorCode::NotInArray,
                    "not in a control array: " + describe(c) + " has no Index");
  }
  return Value::int16(*c.index);
}

template <class Control>
Value getLeft(const Control& c) {
  return Value::number(c.left);
}
template <class Control>
Value getTop(const Control& c) {
  return Value::number(c.top);
}
template <class Control>
Value getWidth(const Control& c) {
  return Value::number(c.width);
}
template <class Control>
Value getHeight(const Control& c) {
  return Value::number(c.height);
}
template <class Control>
void setLeft(Control& c, const Value& v) {
  c.left = v.asNumber();
  applyGeometry(c);
}
template <class Control>
void setTop(Control& c, const Value& v) {
  c.top = v.asNumber();
  applyGeometry(c);
}
template <class Control>
void setWidth(Control& c, const Value& v) {
  c.width = sizeInTwips(v);
  applyGeometry(c);
}
template <class Control>
void setHeight(Control& c, const Value& v) {
  c.height = sizeInTwips(v);
  applyGeometry(c);
}

template <class Control>
Value getVisible(const Control& c) {
  return Value::boolean(c.visible);
}
template <class Control>
void setVisible(Control& c, const Value& v) {
  keepAndShow(c, Member::Visible, c.visible, bool(v.asBoolean()));
}

template <class Control>
Value getBackColor(const Control& c) {
  return Value::int32(c.backColor);
}
template <class Control>
void setBackColor(Control& c, const Value& v) {
  keepAndShow(c, Member::BackColor, c.backColor, v.asInt32());
}
template <class Control>
Value getForeColor(const Control& c) {
  return Value::int32(c.foreColor);
}
template <class Control>
void setForeColor(Control& c, const Value& v) {
  keepAndShow(c, Member::ForeColor, c.foreColor, v.asInt32());
}

template <class Control>
Value getTabIndex(const Control& c) {
  return Value::int16(c.tabIndex);
}
template <class Control>
void setTabIndex(Control& c, const Value& v) {
  const std::int16_t position = v.asInt16();
  if (position < 0) throw HostError(ErrorCode::InvalidValue, "invalid value: negative TabIndex");
  c.tabIndex = position;
  if (c.tabIndexChanged) c.tabIndexChanged();
}

template <class Control>
Value getAppearance(const Control& c) {
  return Value::int16(c.appearance);
}
template <class Control>
void setAppearance(Control& c, const Value& v) {
  keepAndShow(c, Member::Appearance, c.appearance, zeroOrOne(v, "Appearance"));
}
template <class Control>
Value getStyle(const Control& c) {
  return Value::int16(c.style);
}
template <class Control>
void setStyle(Control& c, const Value& v) {
  keepAndShow(c, Member::Style, c.style, zeroOrOne(v, "Style"));
}
template <class Control>
Value getBorderStyle(const Control& c) {
  return Value::int16(c.borderStyle);
}
template <class Control>
void setBorderStyle(Control& c, const Value& v) {
  keepAndShow(c, Member::BorderStyle, c.borderStyle, zeroOrOne(v, "BorderStyle"));
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
    {Member::Name, getName<Control>},
    {Member::Index, getIndex<Control>},
    {Member::Left, getLeft<Control>, setLeft<Control>},
    {Member::Top, getTop<Control>, setTop<Control>},
    {Member::Width, getWidth<Control>, setWidth<Control>},
    {Member::Height, getHeight<Control>, setHeight<Control>},
    {Member::TabIndex, getTabIndex<Control>, setTabIndex<Control>},
    {Member::Visible, getVisible<Control>, setVisible<Control>},
    {Member::BackColor, getBackColor<Control>, setBackColor<Control>},
    {Member::ForeColor, getForeColor<Control>, setForeColor<Control>},
    {Member::Appearance, getAppearance<Control>, setAppearance<Control>},
    {Member::Style, getStyle<Control>, setStyle<Control>},
    {Member::BorderStyle, getBorderStyle<Control>, setBorderStyle<Control>},
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
