#include "host/qt/contrast.h"

#include "host/contrast.h"

namespace host::qt {
namespace {

Rgb rgbOf(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return {rgb.red(), rgb.green(), rgb.blue()};
}

}  // namespace

double luminance(const QColor& colour) {
  return host::luminance(rgbOf(colour));
}

double contrast(const QColor& a, const QColor& b) {
  return host::contrast(rgbOf(a), rgbOf(b));
}

bool isLight(const QColor& colour) {
  return host::isLight(rgbOf(colour));
}

QColor strongestAgainst(const QColor& ground) {
  return isLight(ground) ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace host::qt
