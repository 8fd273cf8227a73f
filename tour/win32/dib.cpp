#include "tour/win32/dib.h"

#include <cstdint>

namespace tour::win32 {

Dib::Dib(int width, int height, HDC compatibleWith)
    : width_(width), height_(height), dc_(compatibleWith) {
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  bitmap_.reset(CreateDIBSection(dc_.get(), &format, DIB_RGB_COLORS, &bits_, nullptr, 0));
  if (dc_.get() && bitmap_) selected_ = SelectObject(dc_.get(), bitmap_.get());
}

Dib::~Dib() {
  if (selected_) SelectObject(dc_.get(), selected_);
}

// A pixel of a 32-bit bitmap is 0x00RRGGBB read as a whole, as a Picture's are.
void Dib::fill(const Picture& picture) const {
  auto* pixel = static_cast<std::uint32_t*>(bits_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) *pixel++ = picture.at(x, y);
  }
}

Picture Dib::picture() const {
  GdiFlush();
  Picture picture(width_, height_);
  const auto* pixel = static_cast<const std::uint32_t*>(bits_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) picture.set(x, y, *pixel++ & 0xffffffu);
  }
  return picture;
}

}  // namespace tour::win32
