#pragma once

#include "tour/core/button_colours.h"
#include "tour/core/contact_sheet.h"

namespace tour::sample {

// The button that the verdicts' tests paint: 60 x 30 pixels at (10, 5), its caption's box
// centred, its face in ColorBoton.
inline const Area kButton{10, 5, 70, 35};
inline const Area kCaption{28, 17, 52, 23};
inline constexpr RgbHex kSteelBlue = rgbOf(70, 130, 180);

}  // namespace tour::sample
