#pragma once

#include <vector>

#include "tour/core/picture.h"

namespace tour {

// The two colours a person reads off a button: the face, and the text drawn on it.
struct ButtonColours {
  RgbHex face = 0;
  RgbHex text = 0;
};

// Reads a button's colours from a picture of its window. `button` is the button's rectangle and
// `caption` the rectangle its caption is drawn in, both in the picture's pixels. The face is the
// middle colour by luminance of the pixels inside the button's border, bevel or focus frame and
// outside the caption: the face itself where it is flat, the middle shade where the look shades
// it. The text is the colour inside the caption that stands out most from the commonest colour
// of its own row: the glyphs' fully covered pixels, not the blends of text and face at their
// edges, which outnumber them in small type.
ButtonColours measureButton(const Picture& window, const Area& button, const Area& caption);

// measureButton() for any control, its face read clear of `covered`, the controls that lie on it
// (a group box's own controls). Where its text and the controls on it leave none of its inside,
// the face is read from all of it: the text's glyphs are the fewer of its pixels.
ButtonColours measureControl(const Picture& window, const Area& control, const Area& text,
                             const std::vector<Area>& covered);

// The contrast ratio of two colours by the WCAG formula, from 1 (same luminance) to 21.
double contrastRatio(RgbHex first, RgbHex second);

// Text at least this much brighter or darker than its background is readable at any size.
inline constexpr double kReadableContrast = 4.5;

}  // namespace tour
