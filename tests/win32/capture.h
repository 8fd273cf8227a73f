#pragma once

#include <cstdint>
#include <vector>

#include "host/win32/windows_api.h"

namespace winbench {

// The pixels of a window's client area as they are on screen, read back through GDI.
class Capture {
 public:
  explicit Capture(HWND window);
  COLORREF at(int x, int y) const;
  int width() const { return width_; }
  int height() const { return height_; }
  // How many pixels of a rectangle (client coordinates of the captured window) have a colour.
  int count(const RECT& area, COLORREF colour) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

}  // namespace winbench
