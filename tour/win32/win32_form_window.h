#pragma once

#include <functional>
#include <memory>

#include "host/win32/control_look.h"
#include "tour/core/tour_host.h"

namespace tour::win32 {

// Loads a fresh Form1 on a Win32 host of its own, its controls drawn in `look`, and shows it as
// the foreground window, clear of the pointer. Form1's code runs on a host that calls
// `afterYield` after each yield. Throws ReadBackError where the window does not come on screen
// as the foreground window.
std::unique_ptr<FormWindow> loadForm1(host::win32::ControlLook look,
                                      std::function<void()> afterYield);

}  // namespace tour::win32
