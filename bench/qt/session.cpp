#include "bench/qt/session.h"

#include <cassert>

#include "bench/qt/generated_form.h"

namespace bench {
namespace {

Session* current_ = nullptr;

}  // namespace

Session::Session() : form1_(qt_) {
  assert(!current_);
  current_ = this;
}

Session::~Session() {
  current_ = nullptr;
}

Session& Session::current() {
  assert(current_);
  return *current_;
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

}  // namespace bench
