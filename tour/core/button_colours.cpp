#include "tour/core/button_colours.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "host/contrast.h"

namespace tour {
namespace {

// Pixels near the edge of a button belong to its border, bevel or focus frame.
constexpr int kBorder = 4;

host::Rgb channels(Rgb colour) {
  return {redOf(colour), greenOf(colour), blueOf(colour)};
}

double distance(Rgb a, Rgb b) {
  const double red = redOf(a) - redOf(b);
  const double green = greenOf(a) - greenOf(b);
  const double blue = blueOf(a) - blueOf(b);
  return std::sqrt(red * red + green * green + blue * blue);
}

// The pixels of a control that are its own: not those of the controls that lie on it.
struct OwnPixels {
  const Picture& picture;
  Area inside;
  const std::vector<Area>& covered;

  bool own(int x, int y) const {
    for (const Area& other : covered) {
      if (other.contains(x, y)) return false;
    }
    return true;
  }
};

// The commonest colour of a row; of equally common ones the smallest value, so that ties are
// stable.
Rgb commonestInRow(const OwnPixels& pixels, int y) {
  std::map<Rgb, int> counts;
  for (int x = pixels.inside.left; x < pixels.inside.right; ++x) {
    if (pixels.own(x, y)) ++counts[pixels.picture.at(x, y)];
  }
  Rgb best = 0;
  int most = -1;
  for (const auto& [colour, count] : counts) {
    if (count > most) best = colour, most = count;
  }
  return best;
}

// The middle pixel by luminance: the face itself where it is flat, whatever a focus frame adds,
// and the middle shade where the look shades it. The caption's pixels count only where nothing
// else is left, and the controls on it only where they cover all of it.
Rgb middleColour(const OwnPixels& own, const Area& caption) {
  std::vector<std::pair<double, Rgb>> pixels;
  const auto gather = [&](bool withCaption, bool withCovered) {
    for (int y = own.inside.top; y < own.inside.bottom; ++y) {
      for (int x = own.inside.left; x < own.inside.right; ++x) {
        if (!withCaption && caption.contains(x, y)) continue;
        if (!withCovered && !own.own(x, y)) continue;
        const Rgb pixel = own.picture.at(x, y);
        pixels.emplace_back(host::luminance(channels(pixel)), pixel);
      }
    }
  };
  gather(false, false);
  if (pixels.empty()) gather(true, false);
  if (pixels.empty()) gather(true, true);
  if (pixels.empty()) return 0;
  const auto middle = pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2);
  std::nth_element(pixels.begin(), middle, pixels.end());
  return middle->second;
}

// The colour that stands out most from the face of its own row: a look may shade the face from
// top to bottom, so each row of the caption is compared with the commonest colour of that row
// across the inside of the button. Of equally distant colours the smallest value, for stability;
// `none` where controls on it cover the whole caption.
Rgb standsOutMost(const OwnPixels& own, const Area& caption, Rgb none) {
  Rgb best = 0;
  double farthest = -1;
  for (int y = caption.top; y < caption.bottom; ++y) {
    const Rgb face = commonestInRow(own, y);
    for (int x = caption.left; x < caption.right; ++x) {
      if (!own.own(x, y)) continue;
      const Rgb pixel = own.picture.at(x, y);
      const double away = distance(pixel, face);
      if (away > farthest || (away == farthest && pixel < best)) {
        best = pixel;
        farthest = away;
      }
    }
  }
  return farthest < 0 ? none : best;
}

}  // namespace

ButtonColours measureButton(const Picture& window, const Area& button, const Area& caption) {
  return measureControl(window, button, caption, {});
}

ButtonColours measureControl(const Picture& window, const Area& control, const Area& text,
                             const std::vector<Area>& covered) {
  const OwnPixels own{window, control.grown(-kBorder).intersected(window.bounds()), covered};
  const Rgb face = middleColour(own, text);
  const Area caption = text.intersected(own.inside);
  if (caption.empty()) return {face, face};
  return {face, standsOutMost(own, caption, face)};
}

double contrastRatio(Rgb first, Rgb second) {
  return host::contrast(channels(first), channels(second));
}

}  // namespace tour
