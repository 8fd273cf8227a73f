#include "tour/win32/screen_pixels.h"

#include "host/win32/gdi.h"

namespace tour::win32 {
namespace {

using host::win32::Bitmap;
using host::win32::MemoryDc;
using host::win32::Selection;
using host::win32::WindowDc;

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

Picture paintedPixels(HWND window) {
  const SIZE size = clientSize(window);
  const WindowDc painted(window);
  Canvas canvas(painted.get(), size);
  if (!canvas.ready()) return {};
  const Selection selected(canvas.dc(), canvas.bitmap());
  if (!BitBlt(canvas.dc(), 0, 0, size.cx, size.cy, painted.get(), 0, 0, SRCCOPY)) return {};
  return canvas.picture();
}

}  // namespace tour::win32
