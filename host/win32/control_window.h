#pragma once

#include <string>

#include "host/core/control_type.h"
#include "host/handles.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

// What the host adds to the platform's handling of one control window.
struct ControlWindowHooks {
  // The control the window stands for: the form finds it by its window through these hooks, kept
  // in the process, so that no window setting of its own is needed for it.
  ControlRef control;
  // A quick second click on a button is a second press, not a double click, so that each press
  // of a host-drawn button shows pressed and clicks, as the platform's push buttons do.
  bool pressOnEveryClick = false;
  // For assistive technology: the control's type, which gives its role and default action; its
  // name where its window text is not one (a text box's window text is its value, and no label
  // stands beside it), else empty for the caption; and a description that tells the members of
  // a control array apart ("Check1(0)").
  ControlType type = ControlType::CommandButton;
  std::wstring name;
  std::wstring description;
  WNDPROC platformProcedure = nullptr;
};

// Puts the host's procedure in front of the platform's for the control's window. `hooks` must
// outlive the window.
void hookControlWindow(HWND window, ControlWindowHooks& hooks);

// The hooks of a window of this thread that the host's procedure stands in front of; null for any
// other window.
const ControlWindowHooks* hooksOf(HWND window);

}  // namespace host::win32
