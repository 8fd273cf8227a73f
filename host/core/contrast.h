#pragma once

#include <cstdint>

namespace host {

// An sRGB colour as its three channels, 0 to 255 each (a ColorValue is the packed 0x00BBGGRR).
struct RgbChannels {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(RgbChannels colour);
// Contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(RgbChannels a, RgbChannels b);
// Whether black stands out more against the colour than white does.
bool isLight(RgbChannels colour);
// Black or white, whichever stands out more against `ground`: at least 4.58:1 on any colour.
// A host-drawn focus ring takes this colour, so it keeps at least 3:1 against any face.
RgbChannels strongestAgainst(RgbChannels ground);

}  // namespace host
