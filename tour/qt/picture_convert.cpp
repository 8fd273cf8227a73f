#include "tour/qt/picture_convert.h"

#include <QWidget>

namespace tour::qt {

Picture toPicture(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Picture picture(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) picture.set(x, y, line[x] & 0xffffffu);
  }
  return picture;
}

QImage toImage(const Picture& picture) {
  QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) line[x] = 0xff000000u | picture.at(x, y);
  }
  return image;
}

Area devicePixels(const QWidget& window, const QRect& logical) {
  const qreal ratio = window.devicePixelRatioF();
  const int left = qRound(logical.x() * ratio);
  const int top = qRound(logical.y() * ratio);
  return {left, top, left + qRound(logical.width() * ratio),
          top + qRound(logical.height() * ratio)};
}

}  // namespace tour::qt
