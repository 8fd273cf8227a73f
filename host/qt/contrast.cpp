#include "host/qt/contrast.h"

#include "host/core/contrast.h"

namespace host::qt {
namespace {

RgbChannels channelsOf(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return {rgb.red(), rgb.green(), rgb.blue()};
}

}  // namespace

double luminance(const QColor& colour) {
  return host::luminance(channelsOf(colour));
}

double contrast(const QColor& a, const QColor& b) {
  return host::contrast(channelsOf(a), channelsOf(b));
}

bool isLight(const QColor& colour) {
  return host::isLight(channelsOf(colour));
}

QColor strongestAgainst(const QColor& ground) {
  return isLight(ground) ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace host::qt
