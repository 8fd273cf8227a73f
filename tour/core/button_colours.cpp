#include "tour/core/button_colours.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "host/core/contrast.h"

namespace tour {
namespace {

// Pixels near the edge of a button belong to its border, bevel or focus frame.
constexpr int kBorder = 4;

host::RgbChannels channels(RgbHex colour) {
  return {redOf(colour), greenOf(colour), blueOf(colour)};
}

double distance(RgbHex a, RgbHex b) {
  const double red = redOf(a) - redOf(b);
  const double green = greenOf(a) - greenOf(b);
  const double blue = blueOf(a) - blueOf(b);
  return std::sqrt(red * red + green * green + blue * blue);
}

// The commonest colour of a row; of equally common ones the smallest value, so that ties are
// stable.
RgbHex commonestInRow(const Picture& picture, const Area& inside, int y) {
  std::map<RgbHex, int> counts;
  for (int x = inside.left; x < inside.right; ++x) ++counts[picture.at(x, y)];
  RgbHex best = 0;
  int most = -1;
  for (const auto& [colour, count] : counts) {
    if (count > most) best = colour, most = count;
  }
  return best;
}

bool inAny(const std::vector<Area>& areas, int x, int y) {
  return std::any_of(areas.begin(), areas.end(),
                     [&](const Area& area) { return area.contains(x, y); });
}

// The middle pixel by luminance: the face itself where it is flat, whatever a focus frame adds,
// and the middle shade where the look shades it. The caption's pixels, and those of the controls
// on it, count only where nothing else is left.
RgbHex middleColour(const Picture& picture, const Area& inside, const Area& caption,
                    const std::vector<Area>& covered) {
  std::vector<std::pair<double, RgbHex>> pixels;
  const auto gather = [&](bool all) {
    for (int y = inside.top; y < inside.bottom; ++y) {
      for (int x = inside.left; x < inside.right; ++x) {
        if (!all && (caption.contains(x, y) || inAny(covered, x, y))) continue;
        pixels.emplace_back(host::luminance(channels(picture.at(x, y))), picture.at(x, y));
      }
    }
  };
  gather(false);
  if (pixels.empty()) gather(true);
  if (pixels.empty()) return 0;
  const auto middle = pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2);
  std::nth_element(pixels.begin(), middle, pixels.end());
  return middle->second;
}

// The colour that stands out most from the face of its own row: a look may shade the face from
// top to bottom, so each row of the caption is compared with the commonest colour of that row
// across the inside of the button. Of equally distant colours the smallest value, for stability.
RgbHex standsOutMost(const Picture& picture, const Area& inside, const Area& caption) {
  RgbHex best = 0;
  double farthest = -1;
  for (int y = caption.top; y < caption.bottom; ++y) {
    const RgbHex face = commonestInRow(picture, inside, y);
    for (int x = caption.left; x < caption.right; ++x) {
      const RgbHex pixel = picture.at(x, y);
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

ButtonColours measureButton(const Picture& window, const Area& button, const Area& caption) {
  return measureControl(window, button, caption, {});
}

ButtonColours measureControl(const Picture& window, const Area& control, const Area& text,
                             const std::vector<Area>& covered) {
  const Area inside = control.grown(-kBorder).intersected(window.bounds());
  const RgbHex face = middleColour(window, inside, text, covered);
  const Area caption = text.intersected(inside);
  if (caption.empty()) return {face, face};
  return {face, standsOutMost(window, inside, caption)};
}

double contrastRatio(RgbHex first, RgbHex second) {
  return host::contrast(channels(first), channels(second));
}

}  // namespace tour
