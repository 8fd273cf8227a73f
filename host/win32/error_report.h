#pragma once

#include <string>

#include "host/error.h"
#include "host/project.h"

namespace host::win32 {

// One line naming the program, the event, its source and the error, written to standard error
// where the process has one and always to the debugger's output.
void reportToStandardErrorAndDebugger(const std::string& application, Event event, TextView source,
                                      const HostError& error);

}  // namespace host::win32
