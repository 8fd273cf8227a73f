#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/project.h"
#include "host/win32/gdi.h"
#include "host/win32/win32_host.h"

namespace host::win32 {

// What the host keeps of one form: its window, its controls in definition order (also the
// enumeration order), the program's code and what the window needs to paint and lay out.
struct Win32Host::Form {
  Win32Host* host = nullptr;
  FormRef ref;
  Text name;
  HWND window = nullptr;                     // null once the window is destroyed
  double clientWidth = 0, clientHeight = 0;  // twips
  std::vector<ControlRef> controls;
  std::unique_ptr<FormCode> code;
  std::vector<HandlerBinding> handlers;
  ColorValue backColor = systemColor(COLOR_BTNFACE);
  SolidBrush background;
  UINT dpi = 96;
  Font font;
  std::wstring iconName;
  Icon bigIcon, smallIcon;
  HWND focus = nullptr;  // the control that has the focus, or had it when the window was left
};

// The first id given to a control window; lower ids are the platform's (IDOK, IDCANCEL), which
// the keyboard handling sends for Enter and Escape.
inline constexpr int kFirstControlId = 100;

}  // namespace host::win32
