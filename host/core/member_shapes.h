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

constexpr MemberShape settableProperty(Member member, TextView name, ValueKind kind,
                                       TypeSet types) {
  return {member, name, false, kind, true, 0, 0, types};
}
constexpr MemberShape readOnlyProperty(Member member, TextView name, ValueKind kind,
                                       TypeSet types) {
  return {member, name, false, kind, false, 0, 0, types};
}
constexpr MemberShape methodShape(Member member, TextView name, std::uint8_t minArguments,
                                  std::uint8_t maxArguments, TypeSet types) {
  return {member, name, true, ValueKind::Int16, false, minArguments, maxArguments, types};
}

inline constexpr TypeSet kCaptioned =
    typesOf(ControlType::CommandButton, ControlType::CheckBox, ControlType::OptionButton);

// In the order of Member.
inline constexpr MemberShape kMembers[] = {
    readOnlyProperty(Member::Name, u"Name", ValueKind::Text, kEveryType),
    readOnlyProperty(Member::Index, u"Index", ValueKind::Int16, kEveryType),
    settableProperty(Member::Left, u"Left", ValueKind::Number, kEveryType),
    settableProperty(Member::Top, u"Top", ValueKind::Number, kEveryType),
    settableProperty(Member::Width, u"Width", ValueKind::Number, kEveryType),
    settableProperty(Member::Height, u"Height", ValueKind::Number, kEveryType),
    settableProperty(Member::Enabled, u"Enabled", ValueKind::Boolean, kEveryType),
    settableProperty(Member::Visible, u"Visible", ValueKind::Boolean, kEveryType),
    settableProperty(Member::BackColor, u"BackColor", ValueKind::Int32, kEveryType),
    settableProperty(Member::ForeColor, u"ForeColor", ValueKind::Int32, kEveryType),
    settableProperty(Member::TabIndex, u"TabIndex", ValueKind::Int16, kEveryType),
    settableProperty(Member::Appearance, u"Appearance", ValueKind::Int16, kDefinedTypes),
    settableProperty(Member::Caption, u"Caption", ValueKind::Text, kCaptioned),
    settableProperty(Member::Text, u"Text", ValueKind::Text, typesOf(ControlType::TextBox)),
    settableProperty(Member::Style, u"Style", ValueKind::Int16,
                     typesOf(ControlType::CommandButton)),
    settableProperty(Member::BorderStyle, u"BorderStyle", ValueKind::Int16,
                     typesOf(ControlType::TextBox)),
    settableProperty(Member::CheckValue, u"Value", ValueKind::Int16,
                     typesOf(ControlType::CheckBox)),
    settableProperty(Member::OptionValue, u"Value", ValueKind::Boolean,
                     typesOf(ControlType::OptionButton)),
    methodShape(Member::Refresh, u"Refresh", 0, 0, kEveryType),
    methodShape(Member::Move, u"Move", 1, 4, kEveryType),
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
