#include "tests/win32_methods/button_pixels.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace win32_methods {
namespace {

// Pixels near the edge of a button belong to its border, bevel or focus frame.
constexpr int kBorder = 4;

int red(Rgb colour) {
  return static_cast<int>((colour >> 16) & 0xff);
}
int green(Rgb colour) {
  return static_cast<int>((colour >> 8) & 0xff);
}
int blue(Rgb colour) {
  return static_cast<int>(colour & 0xff);
}

double luminance(Rgb colour) {
  const auto linear = [](int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(red(colour)) + 0.7152 * linear(green(colour)) +
         0.0722 * linear(blue(colour));
}

double distance(Rgb a, Rgb b) {
  const double r = red(a) - red(b), g = green(a) - green(b), bl = blue(a) - blue(b);
  return std::sqrt(r * r + g * g + bl * bl);
}

Area intersect(const Area& a, const Area& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// The commonest colour of a row; of equally common ones the smallest value, for stability.
Rgb commonestInRow(const Picture& picture, const Area& inside, int y) {
  std::map<Rgb, int> counts;
  for (int x = inside.left; x < inside.right; ++x) ++counts[picture.at(x, y)];
  return std::max_element(counts.begin(), counts.end(),
                          [](const auto& a, const auto& b) { return a.second < b.second; })
      ->first;
}

Rgb middleColour(const Picture& picture, const Area& inside, const Area& caption) {
  std::vector<std::pair<double, Rgb>> pixels;
  for (int y = inside.top; y < inside.bottom; ++y) {
    for (int x = inside.left; x < inside.right; ++x) {
      if (!caption.contains(x, y))
        pixels.emplace_back(luminance(picture.at(x, y)), picture.at(x, y));
    }
  }
  if (pixels.empty()) return 0;
  const auto middle = pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2);
  std::nth_element(pixels.begin(), middle, pixels.end());
  return middle->second;
}

Rgb standsOutMost(const Picture& picture, const Area& inside, const Area& caption) {
  Rgb best = 0;
  double farthest = -1;
  for (int y = caption.top; y < caption.bottom; ++y) {
    const Rgb face = commonestInRow(picture, inside, y);
    for (int x = caption.left; x < caption.right; ++x) {
      const Rgb pixel = picture.at(x, y);
      const double away = distance(pixel, face);
      if (away > farthest || (away == farthest && pixel < best)) {
        best = pixel;
        farthest = away;
      }
    }
  }
  return best;
}

}  // namespace

bool Picture::samePixels(const Picture& other, const Area& area) const {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (at(x, y) != other.at(x, y)) return false;
    }
  }
  return true;
}

ButtonColours measureButton(const Picture& picture, const Area& button, const Area& caption) {
  const Area whole{0, 0, picture.width, picture.height};
  const Area inside = intersect(whole, {button.left + kBorder, button.top + kBorder,
                                        button.right - kBorder, button.bottom - kBorder});
  const Rgb face = middleColour(picture, inside, caption);
  const Area text = intersect(caption, inside);
  if (text.empty()) return {face, face};
  return {face, standsOutMost(picture, inside, text)};
}

double contrastRatio(Rgb first, Rgb second) {
  const double a = luminance(first), b = luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace win32_methods
