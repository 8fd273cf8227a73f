#include "tour/core/verdicts.h"

#include "tour/core/button_colours.h"

namespace tour {

std::string startName(Start start) {
  return start == Start::Skinned ? "skinned" : "standard";
}

bool ButtonVerdict::readable() const {
  return contrast >= kReadableContrast;
}

}  // namespace tour
