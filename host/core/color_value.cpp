#include "host/core/color_value.h"

#include <cstdio>
#include <string>

#include "host/error.h"

namespace host {

void refuseColor(ColorValue value, const char* why) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<std::uint32_t>(value));
  throw HostError(ErrorCode::InvalidValue, std::string("invalid value: colour ") + hex + " " + why);
}

}  // namespace host
