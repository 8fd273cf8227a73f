#pragma once

#include <cstdint>

#include "host/core/rgb_channels.h"
#include "host/value.h"

namespace host {

// Taking a colour value apart: an RGB colour 0x00BBGGRR, or a system colour 0x80000000 | index.
// A value with stray high bits is neither, and is refused as an invalid value; so is a system
// colour whose index the host does not know.
bool isSystemColor(ColorValue value);
RgbChannels plainChannels(ColorValue value);
std::uint8_t systemIndex(ColorValue value);
[[noreturn]] void refuseSystemIndex(ColorValue value);

}  // namespace host
