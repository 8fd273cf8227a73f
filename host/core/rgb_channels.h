#pragma once

namespace host {

// An sRGB colour as its three channels, 0 to 255 each (a ColorValue is the packed 0x00BBGGRR).
struct RgbChannels {
  int red = 0;
  int green = 0;
  int blue = 0;
};

}  // namespace host
