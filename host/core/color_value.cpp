#include "host/core/color_value.h"

#include <cstdio>
#include <string>

#include "host/error.h"

namespace host {
namespace {

constexpr std::uint32_t kSystemBit = 0x80000000u;

std::uint32_t bitsOf(ColorValue value) {
  return static_cast<std::uint32_t>(value);
}

[[noreturn]] void invalid(ColorValue value, const char* why) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", bitsOf(value));
  throw HostError(ErrorCode::InvalidValue, std::string("invalid value: colour ") + hex + " " + why);
}

}  // namespace

bool isSystemColor(ColorValue value) {
  return (bitsOf(value) & kSystemBit) != 0;
}

RgbChannels plainChannels(ColorValue value) {
  const std::uint32_t bits = bitsOf(value);
  if ((bits & 0xFF000000u) != 0) invalid(value, "has bits set above blue");
  return {static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
          static_cast<int>((bits >> 16) & 0xFF)};
}

std::uint8_t systemIndex(ColorValue value) {
  if ((bitsOf(value) & 0x7FFFFF00u) != 0) invalid(value, "is not a system colour");
  return static_cast<std::uint8_t>(bitsOf(value) & 0xFFu);
}

void refuseSystemIndex(ColorValue value) {
  invalid(value, "names a system colour index this host does not know");
}

}  // namespace host
