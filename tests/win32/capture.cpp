#include "tests/win32/capture.h"

#include "host/win32/gdi.h"

namespace winbench {

Capture::Capture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width_;
  format.bmiHeader.biHeight = -height_;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const host::win32::WindowDc screen(window);
  const host::win32::Bitmap bitmap(
      CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const host::win32::MemoryDc memory(screen.get());
  {
    const host::win32::Selection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width_, height_, screen.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  pixels_.assign(first, first + static_cast<std::size_t>(width_) * height_);
}

COLORREF Capture::at(int x, int y) const {
  const std::uint32_t pixel = pixels_.at(static_cast<std::size_t>(y) * width_ + x);
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Capture::count(const RECT& area, COLORREF colour) const {
  int found = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) found += at(x, y) == colour ? 1 : 0;
  }
  return found;
}

}  // namespace winbench
