#include "host/value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "host/error.h"

namespace host {
namespace {

[[noreturn]] void mismatch(ValueKind from, ValueKind to) {
  throw HostError(ErrorCode::TypeMismatch, "type mismatch: a " + std::string(kindName(from)) +
                                               " value cannot be used as a " +
                                               std::string(kindName(to)));
}

template <class Int>
Int narrow(std::int64_t v, ValueKind to) {
  if (v < std::numeric_limits<Int>::min() || v > std::numeric_limits<Int>::max()) {
    throw HostError(ErrorCode::Overflow, "overflow: " + std::to_string(v) + " does not fit a " +
                                             std::string(kindName(to)));
  }
  return static_cast<Int>(v);
}

// A number converts to an integer only when it is whole; a whole number too large for any
// integer is an overflow, like one too large for the integer asked for.
std::int64_t wholeNumber(double v, ValueKind to) {
  if (!std::isfinite(v) || std::trunc(v) != v) {
    throw HostError(ErrorCode::TypeMismatch, "type mismatch: " + std::to_string(v) +
                                                 " is not a whole " + std::string(kindName(to)));
  }
  if (std::fabs(v) > 9.2e18) {
    throw HostError(ErrorCode::Overflow, "overflow: " + std::to_string(v) + " does not fit a " +
                                             std::string(kindName(to)));
  }
  return static_cast<std::int64_t>(v);
}

// The shortest plain decimal that reads back as the same number: 2401, -0.5, 0.0000001.
std::string plainDecimal(double v) {
  std::array<char, 400> digits{};
  const auto result =
      std::to_chars(digits.data(), digits.data() + digits.size(), v, std::chars_format::fixed);
  return std::string(digits.data(), result.ptr);
}

std::int64_t integral(const Value& value, ValueKind to) {
  switch (value.kind()) {
    case ValueKind::Int16:
      return value.asInt16();
    case ValueKind::Int32:
      return value.asInt32();
    case ValueKind::Boolean:
      return value.asBoolean().raw;
    case ValueKind::Number:
      return wholeNumber(value.asNumber(), to);
    case ValueKind::Text:
      break;
  }
  mismatch(value.kind(), to);
}

}  // namespace

std::string_view kindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::Text:
      return "text";
    case ValueKind::Int16:
      return "16-bit integer";
    case ValueKind::Int32:
      return "32-bit integer";
    case ValueKind::Boolean:
      return "boolean";
    case ValueKind::Number:
      return "number";
  }
  return "value";
}

const Text& Value::asText() const {
  if (const Text* text = std::get_if<Text>(&data_)) return *text;
  mismatch(kind(), ValueKind::Text);
}

std::int16_t Value::asInt16() const {
  if (const auto* v = std::get_if<std::int16_t>(&data_)) return *v;
  return narrow<std::int16_t>(integral(*this, ValueKind::Int16), ValueKind::Int16);
}

std::int32_t Value::asInt32() const {
  if (const auto* v = std::get_if<std::int32_t>(&data_)) return *v;
  return narrow<std::int32_t>(integral(*this, ValueKind::Int32), ValueKind::Int32);
}

Boolean Value::asBoolean() const {
  // An integer is not taken for a flag: 5 would become True and lose its value.
  if (const auto* v = std::get_if<Boolean>(&data_)) return *v;
  mismatch(kind(), ValueKind::Boolean);
}

double Value::asNumber() const {
  if (const auto* v = std::get_if<double>(&data_)) return *v;
  return static_cast<double>(integral(*this, ValueKind::Number));
}

std::string describe(const Value& value) {
  switch (value.kind()) {
    case ValueKind::Text:
      return std::string(1, '"').append(toUtf8(value.asText())).append(1, '"');
    case ValueKind::Int16:
      return std::to_string(value.asInt16());
    case ValueKind::Int32:
      return std::to_string(value.asInt32());
    case ValueKind::Boolean:
      return value.asBoolean() ? "True" : "False";
    case ValueKind::Number:
      return plainDecimal(value.asNumber());
  }
  return "?";
}

}  // namespace host
