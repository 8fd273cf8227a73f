#include "pixels.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdlib>
#include <map>

namespace qtbench {

QImage shownNow(const QWidget& widget) {
  const QWidget& window = *widget.window();
  const QRect area(widget.mapTo(&window, QPoint(0, 0)), widget.size());
  const QPixmap screen = window.screen()->grabWindow(window.winId());
  return screen.toImage().copy(area).convertToFormat(QImage::Format_RGB32);
}

QImage shown(const QWidget& widget) {
  QApplication::processEvents();
  return shownNow(widget);
}

QColor dominantColor(const QImage& image, QRect region) {
  if (region.isEmpty()) region = image.rect();
  std::map<QRgb, int> counts;
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  }
  QRgb best = 0;
  int most = -1;
  for (const auto& [rgb, count] : counts) {
    if (count > most) best = rgb, most = count;
  }
  return QColor::fromRgb(best);
}

int countNear(const QImage& image, const QColor& colour, int tolerance, QRect region) {
  if (region.isEmpty()) region = image.rect();
  int count = 0;
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) <= tolerance &&
          std::abs(pixel.green() - colour.green()) <= tolerance &&
          std::abs(pixel.blue() - colour.blue()) <= tolerance) {
        ++count;
      }
    }
  }
  return count;
}

QColor darkest(const QImage& image, QRect region) {
  if (region.isEmpty()) region = image.rect();
  QColor found = Qt::white;
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.red() + pixel.green() + pixel.blue() < found.red() + found.green() + found.blue())
        found = pixel;
    }
  }
  return found;
}

QRect inner(const QImage& image, int margin) {
  return image.rect().adjusted(margin, margin, -margin, -margin);
}

std::string describe(const QColor& colour) {
  return std::string("(")
      .append(std::to_string(colour.red()))
      .append(",")
      .append(std::to_string(colour.green()))
      .append(",")
      .append(std::to_string(colour.blue()))
      .append(")");
}

}  // namespace qtbench
