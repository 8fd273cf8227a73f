#pragma once

#include "tour/win32/hook.h"

namespace tour::win32 {

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
