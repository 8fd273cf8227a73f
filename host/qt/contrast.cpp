#include "host/qt/contrast.h"

#include <algorithm>
#include <cmath>

namespace host::qt {
namespace {

double linear(int channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double luminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double contrast(const QColor& a, const QColor& b) {
  const double first = luminance(a) + 0.05;
  const double second = luminance(b) + 0.05;
  return std::max(first, second) / std::min(first, second);
}

bool isLight(const QColor& colour) {
  return contrast(colour, Qt::black) >= contrast(colour, Qt::white);
}

QColor strongestAgainst(const QColor& ground) {
  return isLight(ground) ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace host::qt
