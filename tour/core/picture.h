#pragma once

#include <cstdint>
#include <vector>

namespace tour {

// A colour as 0xRRGGBB.
using RgbHex = std::uint32_t;

inline constexpr int redOf(RgbHex colour) {
  return static_cast<int>((colour >> 16) & 0xffu);
}
inline constexpr int greenOf(RgbHex colour) {
  return static_cast<int>((colour >> 8) & 0xffu);
}
inline constexpr int blueOf(RgbHex colour) {
  return static_cast<int>(colour & 0xffu);
}
inline constexpr RgbHex rgbOf(int red, int green, int blue) {
  return (static_cast<RgbHex>(red & 0xff) << 16) | (static_cast<RgbHex>(green & 0xff) << 8) |
         static_cast<RgbHex>(blue & 0xff);
}

// A rectangle of pixels; right and bottom are exclusive.
struct Area {
  int left = 0, top = 0, right = 0, bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  Area intersected(const Area& other) const;
  Area united(const Area& other) const;  // an empty area adds nothing
  Area grown(int margin) const {
    return {left - margin, top - margin, right + margin, bottom + margin};
  }
  bool operator==(const Area&) const = default;
};

// A picture in device pixels, row by row from the top, each pixel packed as 0xRRGGBB.
class Picture {
 public:
  Picture() = default;
  Picture(int width, int height, RgbHex fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  Area bounds() const { return {0, 0, width_, height_}; }

  RgbHex at(int x, int y) const { return pixels_[index(x, y)]; }
  void set(int x, int y, RgbHex colour) { pixels_[index(x, y)] = colour; }
  const std::vector<RgbHex>& pixels() const { return pixels_; }

  // The pixels of `area`, clipped to the picture.
  Picture copy(const Area& area) const;
  // Draws `picture` with its top left corner at (x, y), clipped to this picture.
  void paste(const Picture& picture, int x, int y);
  // A one-pixel outline just outside `area`.
  void outline(const Area& area, RgbHex colour);
  // Whether both pictures, of one size, hold the same pixels in `area` (clipped to them).
  bool samePixels(const Picture& other, const Area& area) const;
  // How many pixels differ; pictures of different sizes differ everywhere.
  int differingPixels(const Picture& other) const;

  bool operator==(const Picture&) const = default;

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<RgbHex> pixels_;
};

}  // namespace tour
