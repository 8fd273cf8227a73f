#pragma once

#include "host/win32/gdi.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

inline constexpr UINT kStandardDpi = 96;

// The dots per inch a window is shown at: the window's own where the system tells it (per
// monitor), else the system's.
UINT dpiOf(HWND window);

// The system's message font, sized for `dpi`.
Font messageFont(UINT dpi);

// A system metric (an icon's size, say) at `dpi`.
int systemMetric(int index, UINT dpi);

// The outer size of a window whose client area is `client` pixels, at `dpi`.
SIZE windowSizeFor(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

// On systems with per-monitor awareness but not its second version, the title bar and borders
// scale only if the window asks while it is being created.
void scaleNonClientArea(HWND window);

}  // namespace host::win32
