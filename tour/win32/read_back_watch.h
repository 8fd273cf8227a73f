#pragma once

#include <optional>
#include <string>

#include "host/win32/windows_api.h"
#include "tour/win32/hook.h"

namespace tour::win32 {

// Why the window system does not have `window` where it can be seen whole, or nothing when it
// does: shown, not minimised, the foreground window, its client area inside the screen.
std::optional<std::string> unseenBecause(HWND window);

// Watches a window, from begin() on, through the messages its thread sends it, for what could
// spoil a read-back between two checked ones: losing the activation, being minimised. One
// window at a time per thread.
class ReadBackWatch {
 public:
  ReadBackWatch() = default;
  ~ReadBackWatch();
  ReadBackWatch(const ReadBackWatch&) = delete;
  ReadBackWatch& operator=(const ReadBackWatch&) = delete;

  void begin(HWND window);
  // What happened since begin(), or what is wrong with the window now; nothing when it stayed
  // sound.
  std::optional<std::string> disturbance();

 private:
  static LRESULT CALLBACK watchMessages(int code, WPARAM w, LPARAM l);

  HWND window_ = nullptr;
  std::optional<std::string> seen_;
  Hook hook_;
};

}  // namespace tour::win32
