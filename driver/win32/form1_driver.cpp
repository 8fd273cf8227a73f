#include "driver/win32/form1_driver.h"

#include <chrono>
#include <stdexcept>

#include "host/text.h"
#include "host/win32/convert.h"
#include "testbench/form1_acceso.h"

namespace driver::win32 {
namespace {

constexpr DWORD kPollMs = 10;

// The form made from the project's definition, its code attached and its load event run.
host::FormRef loaded(host::win32::Win32Host& host, const host::Project& project) {
  const host::FormRef form = host.createForm(*project.startupForm, project.iconPath);
  host.attachCode(form, project);
  return form;
}

}  // namespace

Form1Driver::Form1Driver(host::win32::Win32Host& host, const host::Project& project)
    : Form1Driver(host, loaded(host, project)) {}

Form1Driver::Form1Driver(host::win32::Win32Host& host, host::FormRef form)
    : host_(host),
      form_(form),
      code_(dynamic_cast<testbench::Form1*>(host.code(form))),
      probar_(child(u"cmdProbar")) {}

testbench::Form1& Form1Driver::code() const {
  if (!code_) throw std::logic_error("the form's code is not Form1");
  return *code_;
}

std::string Form1Driver::title() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window())) + 1, L'\0');
  const int length = GetWindowTextW(window(), text.data(), static_cast<int>(text.size()));
  return host::toUtf8(host::win32::fromWide(text.data(), static_cast<std::size_t>(length)));
}

host::ControlRef Form1Driver::control(host::TextView name,
                                      std::optional<std::int16_t> index) const {
  const host::ControlRef ref = host_.control(form_, name, index);
  if (ref.empty()) throw std::out_of_range("Form1 has no such control");
  return ref;
}

HWND Form1Driver::child(host::TextView name, std::optional<std::int16_t> index) const {
  return host_.window(control(name, index));
}

RECT Form1Driver::placeOf(HWND window) const {
  RECT place{};
  GetWindowRect(window, &place);
  MapWindowPoints(nullptr, this->window(), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void Form1Driver::pressNext() const {
  SendMessageW(probar_, BM_CLICK, 0, 0);
}

void Form1Driver::pressFor(int method) const {
  metodoActual() = static_cast<std::int16_t>(method - 1);
  pressNext();
}

std::int16_t& Form1Driver::metodoActual() const {
  return testbench::Form1Acceso::MetodoActual(code());
}

void Form1Driver::settle() const {
  host_.yield();
}

bool Form1Driver::waitFor(const std::function<bool()>& done) const {
  return settleUntil(host_, done);
}

bool settleUntil(host::win32::Win32Host& host, const std::function<bool()>& done) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(Form1Driver::kPatienceSeconds);
  for (;;) {
    host.yield();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

}  // namespace driver::win32
