#pragma once

#include "host/win32/windows_api.h"
#include "tour/core/picture.h"

namespace tour::win32 {

// What the screen shows where the window's client area is, read through the screen's device
// context: whatever covers the window shows here, and nothing of the window where it is off the
// screen. Empty when the screen cannot be read.
Picture screenPixels(HWND window);

// The window's client area as the window painted it, read through its own device context: the
// pixels the window system keeps for it and puts on screen, whatever covers it or wherever it
// is. Where the screen shows anything else, the window is covered, minimised or off the screen.
// (The platform's own rendering into memory, WM_PRINT, draws no child windows under Wine, so
// it cannot stand for the window.)
Picture paintedPixels(HWND window);

}  // namespace tour::win32
