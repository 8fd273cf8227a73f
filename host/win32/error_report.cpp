#include "host/win32/error_report.h"

#include <string_view>

#include "host/win32/convert.h"

namespace host::win32 {
namespace {

const char* eventName(Event event) {
  return event == Event::Load ? "load" : "click";
}

}  // namespace

void reportToStandardErrorAndDebugger(const std::string& application, Event event, TextView source,
                                      const HostError& error) {
  writeLine(application + ": the " + eventName(event) + " of " + toUtf8(source) +
            " failed: error " + std::to_string(static_cast<int>(error.code())) + " (" +
            std::string(codeName(error.code())) + "): " + error.what());
}

void writeLine(const std::string& line) {
  const std::string withEnd = line + "\n";
  // A program of the GUI subsystem has a standard error only where whoever started it gave one.
  const HANDLE standardError = GetStdHandle(STD_ERROR_HANDLE);
  if (standardError && standardError != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(standardError, withEnd.data(), static_cast<DWORD>(withEnd.size()), &written, nullptr);
  }
  OutputDebugStringW(wide(fromUtf8(withEnd)));
}

std::string systemErrorText(DWORD code) {
  if (code == ERROR_SUCCESS) return "the system gave no reason";
  wchar_t buffer[512];
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                     buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
  std::wstring_view text(buffer, length);
  // The system's texts end with a full stop and a line end.
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                           text.back() == L'.')) {
    text.remove_suffix(1);
  }
  const std::string number = "error " + std::to_string(code);
  if (text.empty()) return number + ", for which the system has no text";
  // A text with a place for a name ("%1 is not a valid application") says "it" there.
  std::string said = toUtf8(fromWide(text.data(), text.size()));
  for (std::size_t at = said.find("%1"); at != std::string::npos; at = said.find("%1", at)) {
    said.replace(at, 2, "it");
  }
  return said + " (" + number + ")";
}

}  // namespace host::win32
