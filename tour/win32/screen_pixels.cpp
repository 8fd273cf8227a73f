#include "tour/win32/screen_pixels.h"

#include "host/win32/gdi.h"
#include "tour/win32/dib.h"

namespace tour::win32 {
namespace {

// The client area's pixels from `source`, starting at `origin` in it.
Picture copied(HWND window, HDC source, POINT origin) {
  RECT client{};
  GetClientRect(window, &client);
  const Dib copy(client.right, client.bottom, source);
  if (!copy.ready() ||
      !BitBlt(copy.dc(), 0, 0, client.right, client.bottom, source, origin.x, origin.y, SRCCOPY)) {
    return {};
  }
  return copy.picture();
}

}  // namespace

Picture screenPixels(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const host::win32::WindowDc screen(nullptr);
  return copied(window, screen.get(), origin);
}

Picture paintedPixels(HWND window) {
  const host::win32::WindowDc painted(window);
  return copied(window, painted.get(), {0, 0});
}

}  // namespace tour::win32
