#pragma once

#include <string>

#include "host/error.h"
#include "host/project.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

// One line naming the program, the event, its source and the error, written to standard error
// where the process has one and always to the debugger's output.
void reportToStandardErrorAndDebugger(const std::string& application, Event event, TextView source,
                                      const HostError& error);

// A line of text (no line end), written the same two ways.
void writeLine(const std::string& line);

// The system's text for an error code from GetLastError, with its number, on one line; where the
// system gave no code, or has no text for it, says so.
std::string systemErrorText(DWORD code);

}  // namespace host::win32
