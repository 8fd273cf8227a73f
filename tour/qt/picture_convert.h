#pragma once

#include <QImage>
#include <QRect>

class QWidget;

#include "tour/core/picture.h"

namespace tour::qt {

// The picture's pixels, in device pixels; alpha is dropped.
Picture toPicture(const QImage& image);
QImage toImage(const Picture& picture);

// A rectangle in `window`'s logical pixels, in its device pixels: the pictures' and areas' unit.
Area devicePixels(const QWidget& window, const QRect& logical);

}  // namespace tour::qt
