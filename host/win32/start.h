#pragma once

#include <functional>

#include "host/project.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

// Runs the program on the Win32 host: creates the start-up form, delivers the load event, shows
// the window and runs the event loop until the window closes. Returns the process's exit status.
int start(const Project& project);

// The same, handing the start-up form's window to `beforeShow` once the load event has run and
// before the window is shown: for tools that watch the real program's window.
int start(const Project& project, const std::function<void(HWND window)>& beforeShow);

}  // namespace host::win32
