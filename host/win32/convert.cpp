#include "host/win32/convert.h"

#include <cmath>

#include "host/core/color_value.h"

namespace host::win32 {
namespace {

// The platform's system colour indices run from 0 (scroll bar) to 30 (menu bar); 25 was never
// given a colour.
bool platformHasIndex(std::uint32_t index) {
  constexpr std::uint32_t kLast = 30, kUnused = 25;
  return index <= kLast && index != kUnused;
}

}  // namespace

int toPixels(double twips, UINT dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

COLORREF resolveColor(ColorValue value) {
  if (!isSystemColor(value)) return colorrefOf(plainChannels(value));
  const std::uint8_t index = systemIndex(value);
  if (!platformHasIndex(index)) refuseSystemIndex(value);
  return GetSysColor(index);
}

}  // namespace host::win32
