#pragma once

#include <cstddef>
#include <cstdint>
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

// The control type a definition's type name stands for; empty for a name of none of the four.
std::optional<ControlType> controlTypeNamed(TextView typeName);

// A set of control types: the ones that have a member.
class TypeSet {
 public:
  constexpr TypeSet() = default;
  template <class... Types>
  static constexpr TypeSet of(Types... types) {
    TypeSet set;
    ((set.bits_ |= bitOf(types)), ...);
    return set;
  }
  constexpr bool has(ControlType type) const { return (bits_ & bitOf(type)) != 0; }

 private:
  static constexpr std::uint8_t bitOf(ControlType type) {
    return static_cast<std::uint8_t>(1u << indexOf(type));
  }
  std::uint8_t bits_ = 0;
};

inline constexpr TypeSet kEveryType =
    TypeSet::of(ControlType::CommandButton, ControlType::TextBox, ControlType::CheckBox,
                ControlType::OptionButton, ControlType::Other);
inline constexpr TypeSet kDefinedTypes =
    TypeSet::of(ControlType::CommandButton, ControlType::TextBox, ControlType::CheckBox,
                ControlType::OptionButton);

}  // namespace host
