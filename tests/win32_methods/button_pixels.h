#pragma once

#include <cstdint>
#include <vector>

namespace win32_methods {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

struct Area {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool empty() const { return right <= left || bottom <= top; }
};

// A picture of a window's client area, row by row from the top.
struct Picture {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  bool samePixels(const Picture& other, const Area& area) const;
};

// The two colours a person reads off a button: the face, and the text drawn on it.
struct ButtonColours {
  Rgb face = 0;
  Rgb text = 0;
};

// Reads a button's colours as the tour does on the Qt host: the face is the middle colour by
// luminance of the pixels inside its border and outside its caption; the text is the colour
// inside the caption that stands out most from the commonest colour of its own row.
ButtonColours measureButton(const Picture& picture, const Area& button, const Area& caption);

// The contrast ratio of two colours by the WCAG formula, from 1 (same luminance) to 21.
double contrastRatio(Rgb first, Rgb second);

}  // namespace win32_methods
