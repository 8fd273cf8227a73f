#pragma once

#include <QPainter>
#include <QRect>
#include <QRectF>

namespace host::qt {

// Bands along the edges of an area, each a whole number of device pixels wide and lying on
// device pixel boundaries, so that all four sides are equally thick at any scale factor and the
// outermost band covers the area's outermost device pixels. Rectangles are in the painter's
// logical coordinates; fill them without antialiasing.
class PixelFrame {
 public:
  PixelFrame(const QPainter& painter, const QRect& area);

  struct Sides {
    QRectF top, bottom, left, right;  // left and right run between top and bottom
  };
  // The band `ring` steps in from the edge (0 is the outermost), one band wide.
  Sides band(int ring) const;
  // Device pixels per band: one logical pixel, rounded to whole device pixels.
  int width() const { return width_; }

 private:
  QRectF logical(const QRectF& device) const;

  QTransform toDevice_;
  QTransform toLogical_;
  QRectF device_;  // the area in device pixels, edges rounded as the painting clip rounds them
  int width_ = 1;
};

}  // namespace host::qt
