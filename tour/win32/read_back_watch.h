#pragma once

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "host/win32/windows_api.h"

namespace tour::win32 {

struct HookRelease {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using Hook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRelease>;

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

// Keeps the user's pointer and keys from the windows of this thread while it lives: each such
// message is emptied as it is taken from the queue, whether by the tour's own loop or by a yield
// of Form1's code. A button under the pointer, or one a key holds down, would look hot or pressed,
// and a key or a click would run a method of its own: either would change a verdict.
class InputShield {
 public:
  InputShield();
  // Whether the shield is up: false where the system would not let the messages be watched.
  bool up() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK emptyInput(int code, WPARAM w, LPARAM l);

  Hook hook_;
};

}  // namespace tour::win32
