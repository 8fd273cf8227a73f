#include "tour/core/text_format.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace tour {

std::string hexColour(RgbHex colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xffffffu));
  return text;
}

// Not printf: the host's toolkit may have set a locale with a decimal comma. Rounded as the exact
// binary value is, ties to even, as to_chars does. Where long double has x87's 64-bit significand
// the scaling below is exact (a double's 53 bits times at most 10^4's 10 odd bits), which keeps
// to_chars's tables, a tenth of the Windows tour's size, out of the executable.
std::string fixed(double value, int decimals) {
#if LDBL_MANT_DIG >= 64
  static constexpr std::int64_t kScale[] = {1, 10, 100, 1000, 10000};
  if (decimals < 0 || decimals > 4 || !(std::fabs(value) < 1e14)) {
    throw std::out_of_range("a number the reports cannot write with " + std::to_string(decimals) +
                            " decimals");
  }
  const std::int64_t scale = kScale[decimals];
  const auto units = static_cast<std::int64_t>(std::nearbyintl(
      std::fabs(static_cast<long double>(value)) * static_cast<long double>(scale)));
  std::string text = std::signbit(value) ? "-" : "";
  text += std::to_string(units / scale);
  if (decimals > 0) {
    const std::string fraction = std::to_string(units % scale);
    text += '.' + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
  }
  return text;
#else
  char text[64];
  const auto end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return std::string(text, end.ptr);
#endif
}

std::string colourValue(std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X",
                static_cast<unsigned>(static_cast<std::uint32_t>(value)));
  return text;
}

std::string yesNo(bool value) {
  return value ? "yes" : "no";
}

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (std::size_t at = 0; at < parts.size(); ++at) {
    if (at > 0) text += separator;
    text += parts[at];
  }
  return text;
}

}  // namespace tour
