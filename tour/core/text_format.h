#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tour/core/picture.h"

namespace tour {

// A colour as "#rrggbb".
std::string hexColour(RgbHex colour);
// A number with `decimals` digits after the point: 4.5 -> "4.50".
std::string fixed(double value, int decimals);
// A colour value as its 32 bits in hex: 0x00B48246, 0x8000000F.
std::string colourValue(std::int32_t value);
std::string yesNo(bool value);
// A field of a CSV row: as it is, or quoted where it holds a comma, a quote or a line break.
std::string csvField(const std::string& text);
std::string joined(const std::vector<std::string>& parts, const std::string& separator);

}  // namespace tour
