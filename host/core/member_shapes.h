#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "host/core/control_type.h"
#include "host/text.h"
#include "host/value.h"

namespace host {

// Every member a control can have, each named once: a host binds its calls to these, so that a
// binding for a member that does not exist does not compile. "Value" is two members, one for
// each kind of value it takes.
enum class Member : std::uint8_t {
  Name,
  Index,
  Left,
  Top,
  Width,
  Height,
  Enabled,
  Visible,
  BackColor,
  ForeColor,
  TabIndex,
  Appearance,
  Caption,
  Text,
  Style,
  BorderStyle,
  CheckValue,
  OptionValue,
  Refresh,
  Move,
};
inline constexpr std::size_t kMemberCount = 20;

constexpr std::size_t indexOf(Member member) {
  return static_cast<std::size_t>(member);
}

// What a member is on every host: its name, whether it is a method, the kind of a property's
// value and whether the program may set it, how many arguments a method takes, and which types
// have it. Refusals follow from this one description.
struct MemberShape {
  Member member;
  TextView name;
  bool method = false;
  ValueKind kind = ValueKind::Int16;
  bool settable = false;
  std::uint8_t minArguments = 0;
  std::uint8_t maxArguments = 0;
  TypeSet types;
};

namespace shapes {

constexpr MemberShape property(Member member, TextView name, ValueKind kind, bool settable,
                               TypeSet types) {
  return {member, name, false, kind, settable, 0, 0, types};
}

constexpr MemberShape method(Member member, TextView name, std::uint8_t minArguments,
                             std::uint8_t maxArguments, TypeSet types) {
  return {member, name, true, ValueKind::Int16, false, minArguments, maxArguments, types};
}

constexpr bool kSettable = true;
constexpr bool kReadOnly = false;
constexpr TypeSet kCaptioned =
    TypeSet::of(ControlType::CommandButton, ControlType::CheckBox, ControlType::OptionButton);

}  // namespace shapes

// In the order of Member.
inline constexpr MemberShape kMembers[] = {
    shapes::property(Member::Name, u"Name", ValueKind::Text, shapes::kReadOnly, kEveryType),
    shapes::property(Member::Index, u"Index", ValueKind::Int16, shapes::kReadOnly, kEveryType),
    shapes::property(Member::Left, u"Left", ValueKind::Number, shapes::kSettable, kEveryType),
    shapes::property(Member::Top, u"Top", ValueKind::Number, shapes::kSettable, kEveryType),
    shapes::property(Member::Width, u"Width", ValueKind::Number, shapes::kSettable, kEveryType),
    shapes::property(Member::Height, u"Height", ValueKind::Number, shapes::kSettable, kEveryType),
    shapes::property(Member::Enabled, u"Enabled", ValueKind::Boolean, shapes::kSettable,
                     kEveryType),
    shapes::property(Member::Visible, u"Visible", ValueKind::Boolean, shapes::kSettable,
                     kEveryType),
    shapes::property(Member::BackColor, u"BackColor", ValueKind::Int32, shapes::kSettable,
                     kEveryType),
    shapes::property(Member::ForeColor, u"ForeColor", ValueKind::Int32, shapes::kSettable,
                     kEveryType),
    shapes::property(Member::TabIndex, u"TabIndex", ValueKind::Int16, shapes::kSettable,
                     kEveryType),
    shapes::property(Member::Appearance, u"Appearance", ValueKind::Int16, shapes::kSettable,
                     kDefinedTypes),
    shapes::property(Member::Caption, u"Caption", ValueKind::Text, shapes::kSettable,
                     shapes::kCaptioned),
    shapes::property(Member::Text, u"Text", ValueKind::Text, shapes::kSettable,
                     TypeSet::of(ControlType::TextBox)),
    shapes::property(Member::Style, u"Style", ValueKind::Int16, shapes::kSettable,
                     TypeSet::of(ControlType::CommandButton)),
    shapes::property(Member::BorderStyle, u"BorderStyle", ValueKind::Int16, shapes::kSettable,
                     TypeSet::of(ControlType::TextBox)),
    shapes::property(Member::CheckValue, u"Value", ValueKind::Int16, shapes::kSettable,
                     TypeSet::of(ControlType::CheckBox)),
    shapes::property(Member::OptionValue, u"Value", ValueKind::Boolean, shapes::kSettable,
                     TypeSet::of(ControlType::OptionButton)),
    shapes::method(Member::Refresh, u"Refresh", 0, 0, kEveryType),
    shapes::method(Member::Move, u"Move", 1, 4, kEveryType),
};

constexpr const MemberShape& shapeOf(Member member) {
  return kMembers[indexOf(member)];
}

constexpr TextView nameOf(Member member) {
  return shapeOf(member).name;
}

// The first member of that name, or null: for the in-memory host, which keeps members by name.
constexpr const MemberShape* shapeNamed(TextView name) {
  for (const MemberShape& shape : kMembers) {
    if (shape.name == name) return &shape;
  }
  return nullptr;
}

namespace shapes {

constexpr bool inOrderOfMember() {
  if (std::size(kMembers) != kMemberCount) return false;
  for (std::size_t i = 0; i < kMemberCount; ++i) {
    if (indexOf(kMembers[i].member) != i) return false;
  }
  return true;
}

// A type's members are found by name, so no type may have two of one name.
constexpr bool namesOfEachTypeDiffer() {
  for (std::size_t type = 0; type < kControlTypeCount; ++type) {
    for (std::size_t i = 0; i < kMemberCount; ++i) {
      for (std::size_t j = i + 1; j < kMemberCount; ++j) {
        const MemberShape& a = kMembers[i];
        const MemberShape& b = kMembers[j];
        const auto t = static_cast<ControlType>(type);
        if (a.types.has(t) && b.types.has(t) && a.name == b.name) return false;
      }
    }
  }
  return true;
}

}  // namespace shapes

static_assert(shapes::inOrderOfMember(),
              "kMembers lists every member once, in the order of Member");
static_assert(shapes::namesOfEachTypeDiffer(), "a control type has two members of one name");

}  // namespace host
