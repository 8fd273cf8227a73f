#include "host/win32/error_report.h"

#include "host/win32/convert.h"
#include "host/win32/windows_api.h"

namespace host::win32 {
namespace {

const char* eventName(Event event) {
  return event == Event::Load ? "load" : "click";
}

}  // namespace

void reportToStandardErrorAndDebugger(const std::string& application, Event event, TextView source,
                                      const HostError& error) {
  const std::string line = application + ": the " + eventName(event) + " of " + toUtf8(source) +
                           " failed: error " + std::to_string(static_cast<int>(error.code())) +
                           " (" + std::string(codeName(error.code())) + "): " + error.what() + "\n";
  // A program of the GUI subsystem has a standard error only where whoever started it gave one.
  const HANDLE standardError = GetStdHandle(STD_ERROR_HANDLE);
  if (standardError && standardError != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(standardError, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  }
  OutputDebugStringW(wide(fromUtf8(line)));
}

}  // namespace host::win32
