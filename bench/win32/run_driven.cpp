#include "bench/win32/run_driven.h"

#include <cstdio>
#include <exception>
#include <string>
#include <utility>

#include "host/error.h"
#include "host/win32/start.h"

namespace bench::win32 {
namespace {

struct Session {
  std::function<void(driver::win32::Form1Driver&)> script;
  host::win32::Win32Host* host = nullptr;
  host::FormRef form;
  UINT_PTR timer = 0;
  bool ran = false;
  std::string failure;
};

Session* session = nullptr;

// A timer message comes only when nothing else is pending: by then the shown window has had its
// first paint.
void CALLBACK runScript(HWND, UINT, UINT_PTR, DWORD) {
  const HWND window = session->host->window(session->form);
  if (!IsWindowVisible(window) || session->ran) return;
  KillTimer(nullptr, session->timer);
  session->ran = true;
  try {
    driver::win32::Form1Driver form1(*session->host, session->form);
    session->script(form1);
  } catch (const host::HostError& error) {
    session->failure = "the host refused a call: " + std::string(error.what());
  } catch (const std::exception& error) {
    session->failure = std::string(error.what());
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace

int runDriven(const std::function<void(driver::win32::Form1Driver&)>& script) {
  Session state;
  state.script = script;
  session = &state;
  host::Project project = testbench::ProyectoForm1();
  project.iconPath = "#1";
  auto createForm1 = std::move(project.createCode);
  project.createCode = [&](host::FormsHost& host, host::FormRef form) {
    auto code = createForm1(host, form);
    state.host = &dynamic_cast<host::win32::Win32Host&>(host);
    state.form = form;
    state.timer = SetTimer(nullptr, 0, 0, runScript);
    return code;
  };
  const int status = host::win32::start(project);
  session = nullptr;
  if (!state.ran) state.failure = "the window never came up";
  if (!state.failure.empty()) {
    std::fprintf(stderr, "%s\n", state.failure.c_str());
    return status == 0 ? 1 : status;
  }
  return status;
}

}  // namespace bench::win32
