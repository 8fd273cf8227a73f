#include "tour/qt/sheet_painter.h"

#include <QPainter>

#include "tour/qt/picture_convert.h"

namespace tour::qt {

Picture QtSheetPainter::label(const std::string& text, int width, int height, RgbHex background,
                              RgbHex ink) {
  QImage band(width, height, QImage::Format_RGB32);
  band.fill(QColor::fromRgb(0xff000000u | background));
  QPainter painter(&band);
  painter.setPen(QColor::fromRgb(0xff000000u | ink));
  const QRect area(0, 0, width, height);
  painter.drawText(
      area, Qt::AlignCenter,
      painter.fontMetrics().elidedText(QString::fromStdString(text), Qt::ElideRight, width));
  painter.end();
  return toPicture(band);
}

Picture QtSheetPainter::scaled(const Picture& picture, int width, int height) {
  QImage target(width, height, QImage::Format_RGB32);
  QPainter painter(&target);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(0, 0, width, height), toImage(picture));
  painter.end();
  return toPicture(target);
}

}  // namespace tour::qt
