#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "driver/qt/form1_driver.h"

namespace qtbench {

// The indices of the six Command1 buttons, in enumeration order.
inline constexpr std::array<std::int16_t, 6> kCommand1 = {3, 2, 1, 4, 22, 0};

// The colours of the skin and of the test methods.
inline const QColor kColorFondo(235, 236, 238);
inline const QColor kColorBoton(70, 130, 180);
inline const QColor kBlanco(255, 255, 255);
inline const QColor kColorTexto(38, 42, 46);

// The Qt host of a Form1Window, made before the driver that loads Form1 on it.
struct OwnQtHost {
  host::qt::QtHost qtHost;
};

// Form1 loaded by the driver on a Qt host of its own, then shown and exposed. A test may hand in
// its own project, e.g. one whose code runs on a wrapper of the host.
class Form1Window : private OwnQtHost, public driver::qt::Form1Driver {
 public:
  explicit Form1Window(const host::Project& project = testbench::ProyectoForm1());
  ~Form1Window();

  QWidget& command1(std::int16_t index) const { return widget(u"Command1", index); }
  void press(int times = 1) const;
  // "Command1(3)" or "cmdProbar", for failure messages.
  std::string label(const QWidget& widget) const;
  QString caption() const { return window().windowTitle(); }
};

}  // namespace qtbench
