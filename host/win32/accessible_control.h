#pragma once

#include "host/win32/control_window.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

// Answers WM_GETOBJECT for a control's client area with the host's own accessible object: the
// control's role, state, name, description and default action as the host knows them, on every
// system alike, rather than the platform's standard object, which some systems fill only in
// part. Returns the message's result, or 0 where the accessibility library cannot be loaded (the
// platform's own handling then answers).
LRESULT answerAccessibleObject(HWND window, const ControlWindowHooks& hooks, WPARAM flags);

}  // namespace host::win32
