#include "host/win32/start.h"

#include "host/win32/error_report.h"
#include "host/win32/win32_host.h"

namespace host::win32 {
namespace {

int runEventLoop(Win32Host& host) {
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) host.dispatch(message);
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void reportStartFailure(const Project& project, const char* what) {
  writeLine(project.applicationName + ": the window could not be opened: " + what);
}

}  // namespace

int start(const Project& project) {
  return start(project, {});
}

int start(const Project& project, const std::function<void(HWND window)>& beforeShow) {
  try {
    Win32Host host;
    host.setApplicationName(project.applicationName);
    const FormRef form = host.createForm(*project.startupForm, project.iconPath);
    host.setClosedHandler([](FormRef) { PostQuitMessage(0); });
    host.attachCode(form, project);
    const HWND window = host.window(form);
    if (beforeShow) beforeShow(window);
    ShowWindow(window, SW_SHOWDEFAULT);
    UpdateWindow(window);
    return runEventLoop(host);
  } catch (const std::exception& error) {
    reportStartFailure(project, error.what());
    return 1;
  }
}

}  // namespace host::win32
