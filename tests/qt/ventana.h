#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "host/project.h"
#include "host/qt/qt_host.h"
#include "testbench/form1.h"

namespace qtbench {

// The indices of the six Command1 buttons, in enumeration order.
inline constexpr std::array<std::int16_t, 6> kCommand1 = {3, 2, 1, 4, 22, 0};

// The colours of the skin and of the test methods.
inline const QColor kColorFondo(235, 236, 238);
inline const QColor kColorBoton(70, 130, 180);
inline const QColor kBlanco(255, 255, 255);
inline const QColor kColorTexto(38, 42, 46);

// Form1 on a real Qt host, made as the program's Start makes it (definition, code, load), then
// shown and exposed. A test may hand in its own project, e.g. one whose code runs on a wrapper
// of the host.
class Form1Window {
 public:
  explicit Form1Window(const host::Project& project = testbench::ProyectoForm1());
  ~Form1Window();

  host::qt::QtHost host;
  host::FormRef form;

  QWidget& window() const { return *host.widget(form); }
  host::ControlRef control(std::u16string_view name, std::optional<std::int16_t> index = {}) const;
  QWidget& widget(std::u16string_view name, std::optional<std::int16_t> index = {}) const;
  QAbstractButton& button(std::u16string_view name, std::optional<std::int16_t> index = {}) const;
  QWidget& command1(std::int16_t index) const { return widget(u"Command1", index); }

  // One press of "PROBAR" through the real button; its handler runs before this returns.
  void press() const { button(u"cmdProbar").click(); }
  void press(int times) const;

  std::int16_t& metodoActual() const;
  // "Command1(3)" or "cmdProbar", for failure messages.
  std::string label(const QWidget& widget);
  QString caption() const { return window().windowTitle(); }
};

}  // namespace qtbench
