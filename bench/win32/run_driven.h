#pragma once

#include <functional>

#include "driver/win32/form1_driver.h"

namespace bench::win32 {

// Runs the program as its entry does and, once its window is shown and painted, calls `script`
// with Form1 from inside the host's event loop; then closes the window as a user would. Returns
// the exit status of the run: 0 when the program ended normally and `script` returned, nonzero
// with a line on standard error when `script` threw or the window never came.
int runDriven(const std::function<void(driver::win32::Form1Driver&)>& script);

}  // namespace bench::win32
