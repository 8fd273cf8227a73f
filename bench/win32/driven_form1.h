#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "host/forms_host.h"

namespace testbench {
class Form1;
}

namespace bench::win32 {

// One member of Command1 as the host reports it, with where it is on the window in pixels.
struct Command1Button {
  host::ControlRef control;
  int index = 0;
  std::wstring caption;
  RECT pixels{};  // in the form's client area
  HWND window = nullptr;
};

// Form1 as the program's own entry starts it on the Win32 host, reached from inside the host's
// event loop: the host and the form as the program's code sees them, and the window.
class DrivenForm1 {
 public:
  DrivenForm1(host::FormsHost& host, host::FormRef form, testbench::Form1& code, HWND window);

  HWND window() const { return window_; }
  HWND probar() const { return probar_; }
  host::FormsHost& host() const { return host_; }

  // Presses PROBAR through the button's own click so that it runs `method`: the number of the
  // last method run is preset to the one before. Returns once the click handler has returned.
  void pressFor(int method);

  // Form1's Command1 buttons, in the host's order.
  std::vector<Command1Button> command1() const;

 private:
  int pixels(host::ControlRef control, const char16_t* member) const;

  host::FormsHost& host_;
  host::FormRef form_;
  testbench::Form1& code_;
  HWND window_;
  HWND probar_;
  int dpi_;
};

// Dispatches messages until none is pending, painting included.
void settle();

// Runs the program as its entry does and, once its window is shown and painted, calls `script`
// from inside the host's event loop; then closes the window as a user would. Returns the exit
// status of the run: 0 when the program ended normally and `script` returned, nonzero with a
// line on standard error when `script` threw or the window never came.
int runDriven(const std::function<void(DrivenForm1&)>& script);

}  // namespace bench::win32
