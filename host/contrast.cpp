#include "host/contrast.h"

#include <algorithm>
#include <cmath>

namespace host {
namespace {

double linear(int channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

}  // namespace

double luminance(Rgb colour) {
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrast(Rgb a, Rgb b) {
  const double first = luminance(a) + 0.05;
  const double second = luminance(b) + 0.05;
  return std::max(first, second) / std::min(first, second);
}

bool isLight(Rgb colour) {
  return contrast(colour, kBlack) >= contrast(colour, kWhite);
}

Rgb strongestAgainst(Rgb ground) {
  return isLight(ground) ? kBlack : kWhite;
}

}  // namespace host
