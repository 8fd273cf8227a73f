#include "host/win32/convert.h"

#include <cmath>
#include <cstdio>

#include "host/error.h"

namespace host::win32 {
namespace {

// The platform's system colour indices run from 0 (scroll bar) to 30 (menu bar); 25 was never
// given a colour.
bool platformHasIndex(std::uint32_t index) {
  constexpr std::uint32_t kLast = 30, kUnused = 25;
  return index <= kLast && index != kUnused;
}

[[noreturn]] void invalid(ColorValue value, const char* why) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(value));
  throw HostError(ErrorCode::InvalidValue, std::string("invalid value: colour ") + hex + " " + why);
}

}  // namespace

int toPixels(double twips, UINT dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

COLORREF resolveColor(ColorValue value) {
  const auto bits = static_cast<std::uint32_t>(value);
  if ((bits & 0x80000000u) == 0) {
    if ((bits & 0xFF000000u) != 0) invalid(value, "has bits set above blue");
    return bits;
  }
  if ((bits & 0x7FFFFF00u) != 0) invalid(value, "is not a system colour");
  if (!platformHasIndex(bits & 0xFFu)) {
    invalid(value, "names a system colour index this host does not know");
  }
  return GetSysColor(static_cast<int>(bits & 0xFFu));
}

}  // namespace host::win32
