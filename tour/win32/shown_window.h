#pragma once

#include <functional>
#include <optional>
#include <string>

#include "host/win32/win32_host.h"
#include "tour/core/picture.h"
#include "tour/win32/window_watch.h"

namespace tour::win32 {

// What a window the tour shows on a Win32 host does as a window on screen: its events run through
// the host, it comes to the foreground clear of the pointer, the user's pointer and keys are
// kept from it, its pixels are read back and its activation is watched. `top` is the top-level
// window shown; `pixels` the window whose client area is read, `top` itself or a window inside
// it (a child dialog in the window that holds it).
class ShownOnScreen {
 public:
  // How long the window system may take to map, activate and paint a window. A window manager
  // does it in milliseconds; this is for a loaded machine.
  static constexpr int kPatienceSeconds = 5;

  // Throws ReadBackError where the pointer and the keys cannot be kept from the window.
  explicit ShownOnScreen(host::win32::Win32Host& host);

  // Shows both windows, brings `top` to the foreground and moves the pointer off it. Throws
  // ReadBackError where it does not come on screen so within the patience.
  void show(HWND top, HWND pixels);

  void settle();
  bool waitFor(const std::function<bool()>& done);
  Picture render();
  Picture readBack();
  void beginWatch();
  std::optional<std::string> disturbance();

 private:
  host::win32::Win32Host& host_;
  HWND top_ = nullptr;
  HWND pixels_ = nullptr;
  WindowWatch watch_;
  InputShield shield_;
};

// Moves the pointer to the screen's bottom right corner, or its top left one where `window`
// reaches that.
void movePointerAwayFrom(HWND window);

}  // namespace tour::win32
