#include "host/win32/start.h"

#include <objbase.h>

#include "host/win32/convert.h"
#include "host/win32/win32_host.h"

namespace host::win32 {
namespace {

// The user-interface thread is a single-threaded apartment, as assistive technology that asks
// for the controls' accessible objects expects.
class Apartment {
 public:
  Apartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~Apartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;

 private:
  HRESULT result_;
};

int runEventLoop(Win32Host& host) {
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) host.dispatch(message);
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void reportStartFailure(const Project& project, const char* what) {
  const std::string line = project.applicationName + ": the window could not be opened: " + what;
  const HANDLE standardError = GetStdHandle(STD_ERROR_HANDLE);
  if (standardError && standardError != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    const std::string withEnd = line + "\n";
    WriteFile(standardError, withEnd.data(), static_cast<DWORD>(withEnd.size()), &written, nullptr);
  }
  OutputDebugStringW(wide(fromUtf8(line)));
}

}  // namespace

int start(const Project& project) {
  return start(project, {});
}

int start(const Project& project, const std::function<void(HWND window)>& beforeShow) {
  try {
    const Apartment apartment;
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
