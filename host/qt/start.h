#pragma once

#include "host/project.h"

namespace host::qt {

// Runs the program on the Qt host: creates the application and the start-up form, delivers the
// load event, shows the window and runs the event loop until the window closes. Qt's own
// arguments (-platform, -style, ...) are taken from argv. Returns the process's exit status.
int start(const Project& project, int argc, char** argv);

}  // namespace host::qt
