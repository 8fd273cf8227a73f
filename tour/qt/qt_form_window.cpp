#include "tour/qt/qt_form_window.h"

#include <QAbstractButton>
#include <QWidget>
#include <cmath>
#include <stdexcept>

#include "host/error.h"
#include "testbench/form1.h"
#include "tour/qt/picture_convert.h"

namespace testbench {

// The tour picks the method a press runs by presetting the number of the last one.
struct Form1Acceso {
  static std::int16_t& MetodoActual(Form1& form) { return form.MetodoActual; }
};

}  // namespace testbench

namespace tour::qt {
namespace {

// Where the button draws its caption: centred, as both the style and the host draw it.
QRect captionRect(const QAbstractButton& button) {
  QRect caption = button.fontMetrics().boundingRect(button.text());
  caption.moveCenter(button.geometry().center());
  return caption.adjusted(-1, -1, 1, 1);
}

}  // namespace

QtFormWindow::QtFormWindow(std::function<void()> afterYield) : capturing_(qtHost_) {
  qtHost_.setRefusalObserver([this](const host::HostError&) { ++refused_; });
  host::Project project = testbench::ProyectoForm1();
  if (afterYield) {
    capturing_.setAfterYield(std::move(afterYield));
    project.createCode = [this](host::FormsHost&, host::FormRef form) {
      return std::make_unique<testbench::Form1>(capturing_, form);
    };
  }
  form_ = qtHost_.createForm(*project.startupForm);
  qtHost_.attachCode(form_, project);
  showActive(window());
}

std::vector<host::ControlRef> QtFormWindow::controls() {
  return qtHost_.controlsOf(form_);
}

void QtFormWindow::pressNext() {
  probar().click();
}

void QtFormWindow::pressFor(int method) {
  auto& form1 = dynamic_cast<testbench::Form1&>(*qtHost_.code(form_));
  testbench::Form1Acceso::MetodoActual(form1) = static_cast<std::int16_t>(method - 1);
  probar().click();
}

Picture QtFormWindow::pressForReadingAtReturn(int method) {
  QImage atReturn;
  // Connected after the host's own handler, so it runs the moment that handler returns.
  const auto atClick = QObject::connect(&probar(), &QAbstractButton::clicked, &probar(),
                                        [&] { atReturn = tour::qt::readBack(window()); });
  pressFor(method);
  QObject::disconnect(atClick);
  return toPicture(atReturn);
}

std::string QtFormWindow::title() {
  return window().windowTitle().toStdString();
}

Area QtFormWindow::areaOf(host::ControlRef control) {
  return devicePixels(window(), qtHost_.widget(control)->geometry());
}

Area QtFormWindow::captionOf(host::ControlRef control) {
  const auto* button = qobject_cast<const QAbstractButton*>(qtHost_.widget(control));
  return button ? devicePixels(window(), captionRect(*button)) : Area{};
}

QWidget& QtFormWindow::window() const {
  return *qtHost_.widget(form_);
}

QAbstractButton& QtFormWindow::probar() const {
  auto* button =
      qobject_cast<QAbstractButton*>(qtHost_.widget(qtHost_.control(form_, u"cmdProbar")));
  if (!button) throw std::runtime_error("Form1 has no button cmdProbar");
  return *button;
}

}  // namespace tour::qt
