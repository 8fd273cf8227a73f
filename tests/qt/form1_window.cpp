#include "form1_window.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

#include "host/error.h"

namespace qtbench {

Form1Window::Form1Window(const host::Project& project) : Form1Driver(qtHost, project) {
  window().show();
  if (!QTest::qWaitForWindowExposed(&window())) throw std::runtime_error("Form1 not exposed");
  QApplication::processEvents();
}

Form1Window::~Form1Window() {
  window().hide();
}

void Form1Window::press(int times) const {
  for (int i = 0; i < times; ++i) pressNext();
}

std::string Form1Window::label(const QWidget& widget) const {
  for (const host::ControlRef ref : host().controlsOf(form())) {
    if (host().widget(ref) != &widget) continue;
    std::string text = host::toUtf8(host().getProperty(ref, u"Name").asText());
    try {
      const int index = host().getProperty(ref, u"Index").asInt16();
      text.append("(").append(std::to_string(index)).append(")");
    } catch (const host::HostError&) {
      // a control outside any control array has no index
    }
    return text;
  }
  return "(not a control of Form1)";
}

}  // namespace qtbench
