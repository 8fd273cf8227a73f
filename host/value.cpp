#include "host/value.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

// "-2.401e+03" as "-2401", "1e-07" as "0.0000001": the sign, the digits and the exponent of
// printf's %e, written out without an exponent; the decimal point, whatever the locale's, is
// skipped.
std::string plainFromScientific(const char* scientific) {
  std::string sign, digits;
  const char* c = scientific;
  if (*c == '-') sign = *c++;
  for (; *c && *c != 'e'; ++c) {
    if (std::isdigit(static_cast<unsigned char>(*c))) digits += *c;
  }
  const int exponent = *c == 'e' ? std::atoi(c + 1) : 0;
  const int whole = exponent + 1;  // digits before the point
  if (whole <= 0) return sign + "0." + std::string(static_cast<std::size_t>(-whole), '0') + digits;
  const auto point = static_cast<std::size_t>(whole);
  if (point >= digits.size()) return sign + digits + std::string(point - digits.size(), '0');
  return sign + digits.substr(0, point) + '.' + digits.substr(point);
}

// The shortest plain decimal that reads back as the same number: 2401, -0.5, 0.0000001. The
// digits come from the C library's correctly rounded printf, the fewest that read back; whatever
// decimal point the C locale has is dropped with the exponent, so the text is the same in every
// locale. (Not to_chars: its tables would be a tenth of the Windows tour's executable.)
std::string plainDecimal(double v) {
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  std::array<char, 40> scientific{};
  for (int precision = 0; precision < std::numeric_limits<double>::max_digits10; ++precision) {
    std::snprintf(scientific.data(), scientific.size(), "%.*e", precision, v);
    if (std::strtod(scientific.data(), nullptr) == v) break;
  }
  return plainFromScientific(scientific.data());
}

// A number converts to an integer only when it is whole; a whole number too large for any
// integer is an overflow, like one too large for the integer asked for.
std::int64_t wholeNumber(double v, ValueKind to) {
  if (!std::isfinite(v) || std::trunc(v) != v) {
    throw HostError(ErrorCode::TypeMismatch, "type mismatch: " + plainDecimal(v) +
                                                 " is not a whole " + std::string(kindName(to)));
  }
  if (std::fabs(v) > 9.2e18) {
    throw HostError(ErrorCode::Overflow, "overflow: " + plainDecimal(v) + " does not fit a " +
                                             std::string(kindName(to)));
  }
  return static_cast<std::int64_t>(v);
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
