#include "host/core/record_accessors.h"

#include <string>

namespace host {

std::int16_t zeroOrOne(const Value& value, Member member) {
  const std::int16_t number = value.asInt16();
  if (number != 0 && number != 1) {
    throw HostError(ErrorCode::InvalidValue, "invalid value: " + std::to_string(number) + " for " +
                                                 toUtf8(nameOf(member)) + " (0 or 1)");
  }
  return number;
}

double sizeInTwips(const Value& value) {
  const double twips = value.asNumber();
  if (twips < 0) {
    throw HostError(ErrorCode::InvalidValue, "invalid value: a size cannot be negative");
  }
  return twips;
}

bool flagOf(const Value& value, Member) {
  return bool(value.asBoolean());
}

ColorValue colourOf(const Value& value, Member) {
  return value.asInt32();
}

}  // namespace host
