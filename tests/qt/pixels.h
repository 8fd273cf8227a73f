#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace qtbench {

// What the screen shows of a widget: the pixels of its window's backing store, cropped to the
// widget. Pending events (painting included) are handled first.
QImage shown(const QWidget& widget);
// The same without handling any event first: only what has been painted already.
QImage shownNow(const QWidget& widget);

// The colour that most pixels of `region` (the whole image when empty) have.
QColor dominantColor(const QImage& image, QRect region = {});
// How many pixels of `region` lie within `tolerance` of `colour` in every channel.
int countNear(const QImage& image, const QColor& colour, int tolerance, QRect region = {});
// The darkest pixel of `region`: the core of dark text on a light ground.
QColor darkest(const QImage& image, QRect region = {});
// `image` without a border of `margin` pixels: the face of a button, the inside of a box.
QRect inner(const QImage& image, int margin);

// Enough pixels of a colour to be glyphs, not a stray pixel of a border.
inline constexpr int kTextPixels = 8;

// The contrast ratio of two colours by their relative luminance: 1 (none) to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Readable form of a colour for failure messages: "(70,130,180)".
std::string describe(const QColor& colour);

}  // namespace qtbench
