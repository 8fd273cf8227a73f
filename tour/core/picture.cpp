#include "tour/core/picture.h"

#include <algorithm>

namespace tour {

Area Area::intersected(const Area& other) const {
  return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
          std::min(bottom, other.bottom)};
}

Area Area::united(const Area& other) const {
  if (empty()) return other;
  if (other.empty()) return *this;
  return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
          std::max(bottom, other.bottom)};
}

Picture::Picture(int width, int height, RgbHex fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Picture Picture::copy(const Area& area) const {
  const Area clipped = area.intersected(bounds());
  if (clipped.empty()) return {};
  Picture part(clipped.width(), clipped.height());
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    for (int x = clipped.left; x < clipped.right; ++x) {
      part.set(x - clipped.left, y - clipped.top, at(x, y));
    }
  }
  return part;
}

void Picture::paste(const Picture& picture, int x, int y) {
  const Area target = Area{x, y, x + picture.width(), y + picture.height()}.intersected(bounds());
  for (int row = target.top; row < target.bottom; ++row) {
    for (int column = target.left; column < target.right; ++column) {
      set(column, row, picture.at(column - x, row - y));
    }
  }
}

void Picture::outline(const Area& area, RgbHex colour) {
  const Area ring = area.grown(1);
  const auto plot = [&](int x, int y) {
    if (bounds().contains(x, y)) set(x, y, colour);
  };
  for (int x = ring.left; x < ring.right; ++x) plot(x, ring.top), plot(x, ring.bottom - 1);
  for (int y = ring.top; y < ring.bottom; ++y) plot(ring.left, y), plot(ring.right - 1, y);
}

bool Picture::samePixels(const Picture& other, const Area& area) const {
  // A picture that was never taken, or of another window size, shows nothing alike.
  if (width_ != other.width_ || height_ != other.height_) return false;
  const Area clipped = area.intersected(bounds());
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    for (int x = clipped.left; x < clipped.right; ++x) {
      if (at(x, y) != other.at(x, y)) return false;
    }
  }
  return true;
}

int Picture::differingPixels(const Picture& other) const {
  if (width_ != other.width_ || height_ != other.height_) {
    return std::max(width_ * height_, other.width_ * other.height_);
  }
  int differing = 0;
  for (std::size_t at = 0; at < pixels_.size(); ++at) differing += pixels_[at] != other.pixels_[at];
  return differing;
}

}  // namespace tour
