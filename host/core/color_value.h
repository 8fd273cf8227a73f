#pragma once

#include <cstdint>

#include "host/core/rgb_channels.h"
#include "host/value.h"

namespace host {

// Taking a colour value apart: an RGB colour 0x00BBGGRR, or a system colour 0x80000000 | index.
// A value with stray high bits is neither, and is refused as an invalid value; so is a system
// colour whose index the host does not know. Inline: every colour the program sets comes here.

[[noreturn]] void refuseColor(ColorValue value, const char* why);

inline bool isSystemColor(ColorValue value) {
  return (static_cast<std::uint32_t>(value) & 0x80000000u) != 0;
}

inline RgbChannels plainChannels(ColorValue value) {
  const auto bits = static_cast<std::uint32_t>(value);
  if ((bits & 0xFF000000u) != 0) refuseColor(value, "has bits set above blue");
  return {static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
          static_cast<int>((bits >> 16) & 0xFF)};
}

inline std::uint8_t systemIndex(ColorValue value) {
  const auto bits = static_cast<std::uint32_t>(value);
  if ((bits & 0x7FFFFF00u) != 0) refuseColor(value, "is not a system colour");
  return static_cast<std::uint8_t>(bits & 0xFFu);
}

[[noreturn]] inline void refuseSystemIndex(ColorValue value) {
  refuseColor(value, "names a system colour index this host does not know");
}

}  // namespace host
