#include "host/qt/pixel_frame.h"

#include <algorithm>
#include <cmath>

namespace host::qt {

PixelFrame::PixelFrame(const QPainter& painter, const QRect& area)
    : toDevice_(painter.deviceTransform()), toLogical_(toDevice_.inverted()) {
  // A widget's device pixels are those from its rounded left edge up to its rounded right edge.
  const QRectF exact = toDevice_.mapRect(QRectF(area));
  const double left = std::round(exact.left()), top = std::round(exact.top());
  device_ = QRectF(left, top, std::round(exact.right()) - left, std::round(exact.bottom()) - top);
  width_ = std::max(1, static_cast<int>(std::lround(toDevice_.m11())));
}

QRectF PixelFrame::logical(const QRectF& device) const {
  return toLogical_.mapRect(device);
}

PixelFrame::Sides PixelFrame::band(int ring) const {
  const double step = ring * width_;
  const QRectF outer = device_.adjusted(step, step, -step, -step);
  const double w = width_;
  const double between = std::max(0.0, outer.height() - 2 * w);
  return {logical(QRectF(outer.left(), outer.top(), outer.width(), w)),
          logical(QRectF(outer.left(), outer.bottom() - w, outer.width(), w)),
          logical(QRectF(outer.left(), outer.top() + w, w, between)),
          logical(QRectF(outer.right() - w, outer.top() + w, w, between))};
}

}  // namespace host::qt
