#pragma once

#include <optional>

#include "driver/win32/form1_driver.h"

namespace winbench {

// The colours of the skin and of the test methods.
inline constexpr COLORREF kColorFondo = RGB(235, 236, 238);
inline constexpr COLORREF kColorBoton = RGB(70, 130, 180);
inline constexpr COLORREF kBlanco = RGB(255, 255, 255);
inline constexpr COLORREF kColorTexto = RGB(38, 42, 46);

// The Win32 host of a Form1Window, made before the driver that loads Form1 on it.
struct OwnWin32Host {
  host::win32::Win32Host win32Host;
};

// Form1 loaded by the driver on a Win32 host of its own, then shown, activated and painted, with
// real mouse and keyboard input for it.
class Form1Window : private OwnWin32Host, public driver::win32::Form1Driver {
 public:
  explicit Form1Window(const host::Project& project = testbench::ProyectoForm1());

  // `presses` left clicks at a point of the control's client area (its centre unless given),
  // queued at once.
  void click(HWND control, int presses = 1, std::optional<POINT> at = {});
  // A key pressed and released, with Shift held where asked.
  void key(WORD virtualKey, bool shift = false);
};

}  // namespace winbench
