#pragma once

#include <QImage>

#include "tour/core/picture.h"

namespace tour::qt {

// The picture's pixels, in device pixels; alpha is dropped.
Picture toPicture(const QImage& image);
QImage toImage(const Picture& picture);

}  // namespace tour::qt
