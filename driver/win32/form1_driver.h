#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "host/project.h"
#include "host/win32/win32_host.h"
#include "testbench/form1.h"

namespace driver::win32 {

// Form1 on a Win32 host, for the tools and tests that drive it: its window and controls,
// presses of "PROBAR" through the button's own click, and the host's messages run until a
// condition holds. The host outlives the driver.
class Form1Driver {
 public:
  // How long waitFor() waits at most: a window system maps, activates and paints a window in
  // milliseconds, and this is for a loaded machine.
  static constexpr int kPatienceSeconds = 5;

  // Loads Form1 as the program's Start does (definition and icon, code, load event); the window
  // is not shown. `project` may make Form1's code on a wrapper of the host, or code of its own.
  explicit Form1Driver(host::win32::Win32Host& host,
                       const host::Project& project = testbench::ProyectoForm1());
  // Form1 as something else loaded it as `form`, the program's own Start for one.
  Form1Driver(host::win32::Win32Host& host, host::FormRef form);

  host::win32::Win32Host& host() const { return host_; }
  host::FormRef form() const { return form_; }
  HWND window() const { return host_.window(form_); }
  // Throws std::logic_error where the project made other code than Form1.
  testbench::Form1& code() const;
  std::string title() const;  // UTF-8

  // Form1's controls; each throws std::out_of_range where Form1 has no such control.
  host::ControlRef control(host::TextView name, std::optional<std::int16_t> index = {}) const;
  HWND child(host::TextView name, std::optional<std::int16_t> index = {}) const;
  HWND probar() const { return probar_; }
  // A window's rectangle in the form's client coordinates.
  RECT placeOf(HWND window) const;

  // One press of "PROBAR" through the button's own click; its handler has run when this returns.
  // pressNext() runs the method after the last one, as a person's press does; pressFor() runs
  // `method` (1 to 10), by presetting the number of the last one.
  void pressNext() const;
  void pressFor(int method) const;
  // The number of the last method run, to read or to preset.
  std::int16_t& metodoActual() const;

  // Dispatches every pending message, painting included, as the host's own yield does.
  void settle() const;
  // Settles until `done` holds, waiting for messages between rounds; false if it does not hold
  // within the patience.
  bool waitFor(const std::function<bool()>& done) const;

 private:
  host::win32::Win32Host& host_;
  host::FormRef form_;
  testbench::Form1* code_;
  HWND probar_;
};

// Settles `host` (runs every pending message, as its yield does) until `done` holds, waiting for
// messages between rounds; false if it does not hold within Form1Driver::kPatienceSeconds.
bool settleUntil(host::win32::Win32Host& host, const std::function<bool()>& done);

}  // namespace driver::win32
