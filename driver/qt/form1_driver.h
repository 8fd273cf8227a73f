#pragma once

#include <cstdint>
#include <optional>

#include "host/project.h"
#include "host/qt/qt_host.h"
#include "testbench/form1.h"

class QAbstractButton;
class QWidget;

namespace driver::qt {

// Form1 loaded on a Qt host as the program's Start loads it (definition, code, load event), for
// the tools and tests that drive it: its window and controls, and presses of "PROBAR" through the
// button's own click. The window is not shown. The host outlives the driver.
class Form1Driver {
 public:
  // `project` may make Form1's code on a wrapper of the host, or code of its own.
  explicit Form1Driver(host::qt::QtHost& host,
                       const host::Project& project = testbench::ProyectoForm1());

  host::qt::QtHost& host() const { return host_; }
  host::FormRef form() const { return form_; }
  QWidget& window() const { return *host_.widget(form_); }
  // Throws std::logic_error where the project made other code than Form1.
  testbench::Form1& code() const;

  // Form1's controls; each throws std::out_of_range where Form1 has no such control.
  host::ControlRef control(host::TextView name, std::optional<std::int16_t> index = {}) const;
  QWidget& widget(host::TextView name, std::optional<std::int16_t> index = {}) const;
  QAbstractButton& button(host::TextView name, std::optional<std::int16_t> index = {}) const;
  QAbstractButton& probar() const { return probar_; }

  // One press of "PROBAR" through the button's own click; its handler has run when this returns.
  // pressNext() runs the method after the last one, as a person's press does; pressFor() runs
  // `method` (1 to 10), by presetting the number of the last one.
  void pressNext() const;
  void pressFor(int method) const;
  // The number of the last method run, to read or to preset.
  std::int16_t& metodoActual() const;

 private:
  host::qt::QtHost& host_;
  host::FormRef form_;
  testbench::Form1* code_;
  QAbstractButton& probar_;
};

// Runs every event that is waiting, painting included, until none is left.
void settle();

}  // namespace driver::qt
