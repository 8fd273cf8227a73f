#include "tour/core/text_format.h"

#include <charconv>
#include <cstdio>

namespace tour {

std::string hexColour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xffffffu));
  return text;
}

// Not printf: the host's toolkit may have set a locale with a decimal comma.
std::string fixed(double value, int decimals) {
  char text[64];
  const auto end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return std::string(text, end.ptr);
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

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (std::size_t at = 0; at < parts.size(); ++at) {
    if (at > 0) text += separator;
    text += parts[at];
  }
  return text;
}

}  // namespace tour
