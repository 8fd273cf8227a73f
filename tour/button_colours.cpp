#include "tour/button_colours.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tour {
namespace {

// Pixels near the edge of a button belong to its border, bevel or focus frame.
constexpr int kBorder = 4;

QRect devicePixels(const QImage& image, const QRect& logical) {
  const qreal ratio = image.devicePixelRatio();
  const QRect scaled(qRound(logical.x() * ratio), qRound(logical.y() * ratio),
                     qRound(logical.width() * ratio), qRound(logical.height() * ratio));
  return scaled & image.rect();
}

QHash<QRgb, int> histogram(const QImage& image, const QRect& area) {
  QHash<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
  }
  return counts;
}

// The commonest colour; of equally common ones the smallest value, so that ties are stable.
QRgb commonest(const QHash<QRgb, int>& counts) {
  QRgb best = 0;
  int most = -1;
  for (auto entry = counts.cbegin(); entry != counts.cend(); ++entry) {
    if (entry.value() > most || (entry.value() == most && entry.key() < best)) {
      best = entry.key();
      most = entry.value();
    }
  }
  return best;
}

double distance(QRgb a, QRgb b) {
  const double red = qRed(a) - qRed(b);
  const double green = qGreen(a) - qGreen(b);
  const double blue = qBlue(a) - qBlue(b);
  return std::sqrt(red * red + green * green + blue * blue);
}

// The colour that stands out most from the face of its own row: a style may shade the face from
// top to bottom, so each row of the caption is compared with the commonest colour of that row
// across the inside of the button. Of equally distant colours the smallest value, for stability.
QRgb standsOutMost(const QImage& image, const QRect& inside, const QRect& caption) {
  QRgb best = 0;
  double farthest = -1;
  for (int y = caption.top(); y <= caption.bottom(); ++y) {
    const QRgb face = commonest(histogram(image, QRect(inside.left(), y, inside.width(), 1)));
    for (int x = caption.left(); x <= caption.right(); ++x) {
      const QRgb pixel = image.pixel(x, y) | 0xff000000u;
      const double away = distance(pixel, face);
      if (away > farthest || (away == farthest && pixel < best)) {
        best = pixel;
        farthest = away;
      }
    }
  }
  return best;
}

double luminance(const QColor& colour);

// The face: of the pixels inside the border and outside the caption, the middle one in order of
// luminance. That is the face itself where it is flat, whatever a focus frame adds, and the
// middle shade where the style shades it.
QRgb middleColour(const QImage& image, const QRect& inside, const QRect& caption) {
  std::vector<std::pair<double, QRgb>> pixels;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (caption.contains(x, y)) continue;
      const QRgb pixel = image.pixel(x, y) | 0xff000000u;
      pixels.emplace_back(luminance(QColor(pixel)), pixel);
    }
  }
  if (pixels.empty()) return 0xff000000u;
  const auto middle = pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2);
  std::nth_element(pixels.begin(), middle, pixels.end());
  return middle->second;
}

double luminance(const QColor& colour) {
  const auto linear = [](int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
         0.0722 * linear(colour.blue());
}

}  // namespace

ButtonColours measureButton(const QImage& window, const QRect& button, const QRect& caption) {
  const QRect inside = devicePixels(window, button.adjusted(kBorder, kBorder, -kBorder, -kBorder));
  const QRgb face = middleColour(window, inside, devicePixels(window, caption));
  const QRect text = devicePixels(window, caption & button) & inside;
  if (text.isEmpty()) return {QColor(face), QColor(face)};
  return {QColor(face), QColor(standsOutMost(window, inside, text))};
}

double contrastRatio(const QColor& first, const QColor& second) {
  const double a = luminance(first);
  const double b = luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace tour
