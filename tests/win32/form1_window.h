#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/project.h"
#include "host/win32/win32_host.h"
#include "testbench/form1.h"

namespace winbench {

// The colours of the skin and of the test methods.
inline constexpr COLORREF kColorFondo = RGB(235, 236, 238);
inline constexpr COLORREF kColorBoton = RGB(70, 130, 180);
inline constexpr COLORREF kBlanco = RGB(255, 255, 255);
inline constexpr COLORREF kColorTexto = RGB(38, 42, 46);

// The pixels of a window's client area as they are on screen, read back through GDI.
class Capture {
 public:
  explicit Capture(HWND window);
  COLORREF at(int x, int y) const;
  int width() const { return width_; }
  int height() const { return height_; }
  // How many pixels of a rectangle (client coordinates of the captured window) have a colour.
  int count(const RECT& area, COLORREF colour) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

// Form1 on the Win32 host, made as the program's Start makes it (definition, code, load), then
// shown, activated and painted.
class Form1Window {
 public:
  explicit Form1Window(const host::Project& project = testbench::ProyectoForm1());

  host::win32::Win32Host host;
  host::FormRef form;

  HWND window() const { return host.window(form); }
  host::ControlRef control(std::u16string_view name, std::optional<std::int16_t> index = {}) const;
  HWND child(std::u16string_view name, std::optional<std::int16_t> index = {}) const;
  std::string caption() const;
  // The control's rectangle in the form's client coordinates.
  RECT placeOf(HWND control) const;

  // Dispatches every pending message, as the event loop would.
  void pump();
  // Pumps until `done` holds, waiting for input between rounds; false if it never does.
  bool pumpUntil(const std::function<bool()>& done);
  // Real mouse input: `presses` left clicks at a point of the control's client area (its centre
  // unless given), queued at once.
  void click(HWND control, int presses = 1, std::optional<POINT> at = {});
  // Real keyboard input: a key pressed and released, with Shift held where asked.
  void key(WORD virtualKey, bool shift = false);
};

}  // namespace winbench
