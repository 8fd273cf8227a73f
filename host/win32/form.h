#pragma once

#include <string>

#include "host/core/form_entry.h"
#include "host/win32/gdi.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

class Win32Host;

// What the host keeps of one form besides what every host keeps: its window, and what the window
// needs to paint and lay out. Its controls are listed in definition order, the enumeration order.
struct Form : FormEntry {
  Win32Host* host = nullptr;
  HWND window = nullptr;                     // null once the window is destroyed
  double clientWidth = 0, clientHeight = 0;  // twips
  ColorValue backColor = systemColor(COLOR_BTNFACE);
  SolidBrush background;
  UINT dpi = 96;
  Font font;
  std::wstring iconName;
  Icon bigIcon, smallIcon;
  HWND focus = nullptr;  // the control that has the focus, or had it when the window was left
  bool live() const { return window != nullptr; }
};

// The first id given to a control window; lower ids are the platform's (IDOK, IDCANCEL), which
// the keyboard handling sends for Enter and Escape.
inline constexpr int kFirstControlId = 100;

}  // namespace host::win32
