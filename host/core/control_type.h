#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>

#include "host/text.h"

namespace host {

// The kinds of control whose members a host knows: the four a form definition makes, and any
// other control a host takes in (a label, a frame, a list), which has the members every control
// has and no more.
enum class ControlType : std::uint8_t { CommandButton, TextBox, CheckBox, OptionButton, Other };
inline constexpr std::size_t kControlTypeCount = 5;

constexpr std::size_t indexOf(ControlType type) {
  return static_cast<std::size_t>(type);
}

// The type names of the four a definition makes, in the order of ControlType.
inline constexpr TextView kDefinedTypeNames[] = {u"CommandButton", u"TextBox", u"CheckBox",
                                                 u"OptionButton"};

// The control type a definition's type name stands for; empty for a name of none of the four.
constexpr std::optional<ControlType> controlTypeNamed(TextView typeName) {
  for (std::size_t i = 0; i < std::size(kDefinedTypeNames); ++i) {
    if (kDefinedTypeNames[i] == typeName) return static_cast<ControlType>(i);
  }
  return std::nullopt;
}

// A set of control types, a bit for each: the ones that have a member.
struct TypeSet {
  std::uint8_t bits = 0;
  constexpr bool has(ControlType type) const { return ((bits >> indexOf(type)) & 1u) != 0; }
};

template <class... Types>
constexpr TypeSet typesOf(Types... types) {
  return {static_cast<std::uint8_t>(((1u << indexOf(types)) | ...))};
}

inline constexpr TypeSet kEveryType =
    typesOf(ControlType::CommandButton, ControlType::TextBox, ControlType::CheckBox,
            ControlType::OptionButton, ControlType::Other);
inline constexpr TypeSet kDefinedTypes = typesOf(ControlType::CommandButton, ControlType::TextBox,
                                                 ControlType::CheckBox, ControlType::OptionButton);

}  // namespace host
