#pragma once

#include <functional>

#include "host/project.h"

class QWidget;

namespace host::qt {

// Runs the program on the Qt host: creates the application and the start-up form, delivers the
// load event, shows the window and runs the event loop until the window closes. Qt's own
// arguments (-platform, -style, ...) are taken from argv. Returns the process's exit status.
int start(const Project& project, int argc, char** argv);

// The same, handing the start-up form's window to `beforeShow` once the load event has run and
// before the window is shown: for tools that watch the real program's window (a benchmark that
// stops at its first painted frame, say).
int start(const Project& project, int argc, char** argv,
          const std::function<void(QWidget& window)>& beforeShow);

}  // namespace host::qt
