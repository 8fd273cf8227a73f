#pragma once

#include "host/core/rgb_channels.h"

namespace host {

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
