#include "driver/qt/form1_driver.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QWidget>
#include <stdexcept>

#include "testbench/form1_acceso.h"

namespace driver::qt {
namespace {

// The form made from the project's definition, its code attached and its load event run.
host::FormRef loaded(host::qt::QtHost& host, const host::Project& project) {
  const host::FormRef form = host.createForm(*project.startupForm);
  host.attachCode(form, project);
  return form;
}

}  // namespace

Form1Driver::Form1Driver(host::qt::QtHost& host, const host::Project& project)
    : host_(host),
      form_(loaded(host, project)),
      code_(dynamic_cast<testbench::Form1*>(host.code(form_))),
      probar_(button(u"cmdProbar")) {}

testbench::Form1& Form1Driver::code() const {
  if (!code_) throw std::logic_error("the form's code is not Form1");
  return *code_;
}

host::ControlRef Form1Driver::control(host::TextView name,
                                      std::optional<std::int16_t> index) const {
  const host::ControlRef ref = host_.control(form_, name, index);
  if (ref.empty()) throw std::out_of_range("Form1 has no such control");
  return ref;
}

QWidget& Form1Driver::widget(host::TextView name, std::optional<std::int16_t> index) const {
  return *host_.widget(control(name, index));
}

QAbstractButton& Form1Driver::button(host::TextView name, std::optional<std::int16_t> index) const {
  auto* found = qobject_cast<QAbstractButton*>(&widget(name, index));
  if (!found) throw std::out_of_range("that control of Form1 is not a button");
  return *found;
}

void Form1Driver::pressNext() const {
  probar_.click();
}

void Form1Driver::pressFor(int method) const {
  metodoActual() = static_cast<std::int16_t>(method - 1);
  pressNext();
}

std::int16_t& Form1Driver::metodoActual() const {
  return testbench::Form1Acceso::MetodoActual(code());
}

void settle() {
  // A guard against a source that never runs dry (a timer firing on every pass, say).
  constexpr int kMostPasses = 10000;
  QAbstractEventDispatcher& dispatcher = *QCoreApplication::eventDispatcher();
  for (int pass = 0; pass < kMostPasses; ++pass) {
    QCoreApplication::sendPostedEvents();
    if (!dispatcher.processEvents(QEventLoop::AllEvents)) return;
  }
}

}  // namespace driver::qt
