#pragma once

#include <functional>
#include <optional>
#include <string>

#include "host/win32/win32_host.h"
#include "tour/core/picture.h"
#include "tour/win32/input_shield.h"
#include "tour/win32/read_back_watch.h"

namespace tour::win32 {

// What a window the tour shows on a Win32 host does as a window on screen: its events run through
// the host, it comes to the foreground clear of the pointer, the user's pointer and keys are
// kept from it, its pixels are read back and its activation is watched. `top` is the top-level
// window shown; `pixels` the window whose client area is read, `top` itself or a window inside
// it (a child dialog in the window that holds it).
class ShownOnScreen {
 public:
  // Throws ReadBackError where the pointer and the keys cannot be kept from the window.
  explicit ShownOnScreen(host::win32::Win32Host& host);

  // Shows both windows, brings `top` to the foreground and moves the pointer off it. Throws
  // ReadBackError where it does not come on screen so within the driver's patience.
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
  ReadBackWatch watch_;
  InputShield shield_;
};

}  // namespace tour::win32
