#pragma once

#include <cstdint>

namespace host {

// An sRGB colour, 0 to 255 a channel.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(Rgb colour);
// Contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(Rgb a, Rgb b);
// Whether black stands out more against the colour than white does.
bool isLight(Rgb colour);
// Black or white, whichever stands out more against `ground`: at least 4.58:1 on any colour.
// A host-drawn focus ring takes this colour, so it keeps at least 3:1 against any face.
Rgb strongestAgainst(Rgb ground);

}  // namespace host
