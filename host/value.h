#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "host/text.h"

namespace host {

// A 16-bit boolean flag: true is -1, false is 0, and a test treats any nonzero value as true.
struct Boolean {
  std::int16_t raw = 0;

  static constexpr Boolean of(bool value) {
    return Boolean{static_cast<std::int16_t>(value ? -1 : 0)};
  }
  constexpr explicit operator bool() const { return raw != 0; }
  friend constexpr bool operator==(Boolean, Boolean) = default;
};

inline constexpr Boolean kTrue{-1};
inline constexpr Boolean kFalse{0};

// A colour value: 0x00BBGGRR for an RGB colour, 0x80000000 | index for a system colour. It is
// passed to and from the host as a 32-bit signed integer.
using ColorValue = std::int32_t;

inline constexpr ColorValue systemColor(std::uint8_t index) {
  return static_cast<ColorValue>(0x80000000u | index);
}

enum class ValueKind { Text, Int16, Int32, Boolean, Number };

// A value passed to or from the host by name. It always carries its kind; conversions succeed
// only where no information is lost and raise a HostError otherwise.
class Value {
 public:
  Value() : data_(std::int16_t{0}) {}
  static Value text(Text v) { return Value(Data(std::in_place_index<0>, std::move(v))); }
  static Value int16(std::int16_t v) { return Value(Data(std::in_place_index<1>, v)); }
  static Value int32(std::int32_t v) { return Value(Data(std::in_place_index<2>, v)); }
  static Value boolean(Boolean v) { return Value(Data(std::in_place_index<3>, v)); }
  static Value boolean(bool v) { return boolean(Boolean::of(v)); }
  // The host's number kind, used for positions and sizes in twips.
  static Value number(double v) { return Value(Data(std::in_place_index<4>, v)); }

  ValueKind kind() const { return static_cast<ValueKind>(data_.index()); }

  // Lossless conversions; each raises TypeMismatch (a text for a number, say) or Overflow.
  const Text& asText() const;
  std::int16_t asInt16() const;
  std::int32_t asInt32() const;
  Boolean asBoolean() const;
  double asNumber() const;

  friend bool operator==(const Value&, const Value&) = default;

 private:
  using Data = std::variant<Text, std::int16_t, std::int32_t, Boolean, double>;
  explicit Value(Data data) : data_(std::move(data)) {}
  Data data_;
};

std::string_view kindName(ValueKind kind);

// Readable form for messages and traces: u"abc" -> "\"abc\"", int16 1 -> "1", a colour -> its
// decimal value, a boolean -> "True"/"False", a number -> shortest decimal form.
std::string describe(const Value& value);

}  // namespace host
