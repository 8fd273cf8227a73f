#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace tour {

// The two colours a person reads off a button: the face, and the text drawn on it.
struct ButtonColours {
  QColor face;
  QColor text;
};

// Reads a button's colours from a picture of its window. `button` is the button's rectangle and
// `caption` the rectangle its caption is drawn in, both in the window's logical pixels. The face
// is the commonest colour inside the button's border. The text is the colour inside the caption,
// clear of any focus frame, that stands out most from the face around it: the glyphs' fully
// covered pixels, not the blends of text and face at their edges, which outnumber them in small
// type.
ButtonColours measureButton(const QImage& window, const QRect& button, const QRect& caption);

// The contrast ratio of two colours by the WCAG formula, from 1 (same luminance) to 21.
double contrastRatio(const QColor& first, const QColor& second);

// Text at least this much brighter or darker than its background is readable at any size.
inline constexpr double kReadableContrast = 4.5;

}  // namespace tour
