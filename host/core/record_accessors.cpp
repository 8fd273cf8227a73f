#include "host/core/record_accessors.h"

#include <string>

namespace host {

std::int16_t zeroOrOne(const Value& value, const char* member) {
  const std::int16_t number = value.asInt16();
  if (number != 0 && number != 1) {
    throw HostError(ErrorCode::InvalidValue,
                    "invalid value: " + std::to_string(number) + " for " + member + " (0 or 1)");
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

}  // namespace host
