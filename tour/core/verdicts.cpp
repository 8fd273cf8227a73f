#include "tour/core/verdicts.h"

#include <cmath>

#include "tour/core/button_colours.h"

namespace tour {

std::string startName(Start start) {
  return start == Start::Skinned ? "skinned" : "standard";
}

double reportedContrast(RgbHex face, RgbHex text) {
  return std::round(contrastRatio(face, text) * 100) / 100;
}

bool ButtonVerdict::readable() const {
  return contrast >= kReadableContrast;
}

}  // namespace tour
