#pragma once

#include "host/win32/windows_api.h"
#include "tour/core/picture.h"

namespace tour::win32 {

// What the screen shows where the window's client area is, read through the screen's device
// context: whatever covers the window shows here, and nothing of the window where it is off the
// screen. Empty when the screen cannot be read.
Picture screenPixels(HWND window);

// The window's client area painted afresh into memory, the form and then each visible child at
// its place, bottom of the stacking order first, each through WM_PRINT: what the window paints
// now, whatever the screen shows.
Picture renderedPixels(HWND window);

}  // namespace tour::win32
