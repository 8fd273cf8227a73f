#include "ventana.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

#include "host/error.h"
#include "testbench/form1_acceso.h"

namespace qtbench {

Form1Window::Form1Window(const host::Project& project)
    : form(host.createForm(*project.startupForm)) {
  host.attachCode(form, project);
  window().show();
  if (!QTest::qWaitForWindowExposed(&window())) throw std::runtime_error("Form1 not exposed");
  QApplication::processEvents();
}

Form1Window::~Form1Window() {
  window().hide();
}

host::ControlRef Form1Window::control(std::u16string_view name,
                                      std::optional<std::int16_t> index) const {
  const host::ControlRef ref = host.control(form, name, index);
  if (ref.empty()) throw std::out_of_range("Form1 has no such control");
  return ref;
}

QWidget& Form1Window::widget(std::u16string_view name, std::optional<std::int16_t> index) const {
  return *host.widget(control(name, index));
}

QAbstractButton& Form1Window::button(std::u16string_view name,
                                     std::optional<std::int16_t> index) const {
  auto* found = qobject_cast<QAbstractButton*>(&widget(name, index));
  if (!found) throw std::logic_error("not a button");
  return *found;
}

void Form1Window::press(int times) const {
  for (int i = 0; i < times; ++i) press();
}

std::int16_t& Form1Window::metodoActual() const {
  return testbench::Form1Acceso::MetodoActual(dynamic_cast<testbench::Form1&>(*host.code(form)));
}

std::string Form1Window::label(const QWidget& widget) {
  for (const host::ControlRef ref : host.controlsOf(form)) {
    if (host.widget(ref) != &widget) continue;
    std::string text = host::toUtf8(host.getProperty(ref, u"Name").asText());
    try {
      const int index = host.getProperty(ref, u"Index").asInt16();
      text.append("(").append(std::to_string(index)).append(")");
    } catch (const host::HostError&) {
      // a control outside any control array has no index
    }
    return text;
  }
  return "(not a control of Form1)";
}

}  // namespace qtbench
