#include "host/core/contrast.h"

#include <algorithm>
#include <cmath>

namespace host {
namespace {

double linear(int channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

constexpr RgbChannels kBlack{0, 0, 0};
constexpr RgbChannels kWhite{255, 255, 255};

}  // namespace

double luminance(RgbChannels colour) {
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrast(RgbChannels a, RgbChannels b) {
  const double first = luminance(a) + 0.05;
  const double second = luminance(b) + 0.05;
  return std::max(first, second) / std::min(first, second);
}

bool isLight(RgbChannels colour) {
  return contrast(colour, kBlack) >= contrast(colour, kWhite);
}

RgbChannels strongestAgainst(RgbChannels ground) {
  return isLight(ground) ? kBlack : kWhite;
}

}  // namespace host
