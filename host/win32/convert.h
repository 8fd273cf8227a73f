#pragma once

#include <string>

#include "host/core/contrast.h"
#include "host/text.h"
#include "host/value.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

inline const wchar_t* wide(const Text& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline Text fromWide(const wchar_t* text, std::size_t length) {
  return Text(reinterpret_cast<const char16_t*>(text), length);
}

// Twips to device pixels at a window's dots per inch: 15 twips to the pixel at 96.
inline constexpr int kTwipsPerInch = 1440;
int toPixels(double twips, UINT dpi);

// The colour a colour value stands for: 0x00BBGGRR as it is, or a system colour (top bit set)
// from GetSysColor. Raises InvalidValue for stray high bits or an index the platform does not
// have.
COLORREF resolveColor(ColorValue value);

// A COLORREF (0x00BBGGRR, as a ColorValue) and its three channels.
inline RgbChannels channelsOf(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}
inline COLORREF colorrefOf(RgbChannels channels) {
  return RGB(channels.red, channels.green, channels.blue);
}

}  // namespace host::win32
