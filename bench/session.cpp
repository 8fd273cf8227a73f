#include "bench/session.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <cassert>

#include "bench/generated_form.h"
#include "testbench/form1_definicion.h"

namespace bench {
namespace {

Session* current_ = nullptr;

}  // namespace

Session::Session() {
  assert(!current_);
  current_ = this;
  const host::Project project = testbench::ProyectoForm1();
  form1_ = qt_.createForm(*project.startupForm);
  qt_.attachCode(form1_, project);
}

Session::~Session() {
  current_ = nullptr;
}

Session& Session::current() {
  assert(current_);
  return *current_;
}

testbench::Form1& Session::form1Code() const {
  return static_cast<testbench::Form1&>(*qt_.code(form1_));
}

host::ControlRef Session::form1Control(host::TextView name,
                                       std::optional<std::int16_t> index) const {
  return qt_.control(form1_, name, index);
}

host::qt::GraphicalButton& Session::button(host::ControlRef control) const {
  return static_cast<host::qt::GraphicalButton&>(widget(control));
}

host::FormRef Session::generatedOnQt(std::size_t count) {
  auto [found, made] = qtForms_.try_emplace(count);
  if (made) found->second = qt_.createForm(generatedForm(count));
  return found->second;
}

std::pair<host::memory::MemoryHost*, host::FormRef> Session::generatedInMemory(std::size_t count) {
  auto [found, made] = memoryForms_.try_emplace(count);
  MemoryForm& entry = found->second;
  if (made) {
    entry.host = std::make_unique<host::memory::MemoryHost>();
    entry.form = entry.host->addForm(generatedForm(count));
  }
  return {entry.host.get(), entry.form};
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

Shown::Shown(QWidget& window) : window_(window) {
  window_.show();
  settle();
}

Shown::~Shown() {
  window_.hide();
  settle();
}

}  // namespace bench
