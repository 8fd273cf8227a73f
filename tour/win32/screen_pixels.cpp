#include "tour/win32/screen_pixels.h"

#include <vector>

#include "host/win32/gdi.h"

namespace tour::win32 {
namespace {

using host::win32::Bitmap;
using host::win32::MemoryDc;
using host::win32::Selection;
using host::win32::WindowDc;

constexpr UINT kPrintWhole = PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND;

SIZE clientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// A top-down 32-bit picture in memory that GDI draws into, read out as a Picture.
class Canvas {
 public:
  Canvas(HDC compatibleWith, SIZE size) : size_(size), dc_(compatibleWith) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_.reset(CreateDIBSection(compatibleWith, &format, DIB_RGB_COLORS, &bits_, nullptr, 0));
  }
  bool ready() const { return dc_.get() && bitmap_ && bits_; }
  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }

  Picture picture() const {
    GdiFlush();
    Picture picture(size_.cx, size_.cy);
    const auto* pixel = static_cast<const std::uint32_t*>(bits_);
    for (int y = 0; y < size_.cy; ++y) {
      for (int x = 0; x < size_.cx; ++x) picture.set(x, y, *pixel++ & 0xffffffu);
    }
    return picture;
  }

 private:
  SIZE size_;
  MemoryDc dc_;
  Bitmap bitmap_;
  void* bits_ = nullptr;
};

std::vector<HWND> childrenBottomFirst(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) children.insert(children.begin(), child);
  }
  return children;
}

void printChild(HWND window, HWND child, HDC dc) {
  RECT place{};
  GetWindowRect(child, &place);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, place.left, place.top, nullptr);
  IntersectClipRect(dc, 0, 0, place.right - place.left, place.bottom - place.top);
  SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), kPrintWhole);
  RestoreDC(dc, saved);
}

}  // namespace

Picture screenPixels(HWND window) {
  const SIZE size = clientSize(window);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const WindowDc screen(nullptr);
  Canvas canvas(screen.get(), size);
  if (!canvas.ready()) return {};
  const Selection selected(canvas.dc(), canvas.bitmap());
  if (!BitBlt(canvas.dc(), 0, 0, size.cx, size.cy, screen.get(), origin.x, origin.y, SRCCOPY)) {
    return {};
  }
  return canvas.picture();
}

Picture renderedPixels(HWND window) {
  const SIZE size = clientSize(window);
  const WindowDc screen(window);
  Canvas canvas(screen.get(), size);
  if (!canvas.ready()) return {};
  const Selection selected(canvas.dc(), canvas.bitmap());
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(canvas.dc()),
               PRF_CLIENT | PRF_ERASEBKGND);
  for (HWND child : childrenBottomFirst(window)) printChild(window, child, canvas.dc());
  return canvas.picture();
}

}  // namespace tour::win32
