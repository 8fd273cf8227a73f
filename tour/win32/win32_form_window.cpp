#include "tour/win32/win32_form_window.h"

#include <string>

#include "host/error.h"
#include "tour/win32/screen_pixels.h"

namespace tour::win32 {
namespace {

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

// Shown where the window manager places it, in the foreground, clear of the pointer, and the
// focus on PROBAR, which every press gives it anyway: the focus ring then stays where it is and
// does not count as a change a method made.
Win32FormWindow::Win32FormWindow(host::win32::ControlLook look, std::function<void()> afterYield)
    : host_(look),
      capturing_(host_, std::move(afterYield)),
      screen_(host_),
      form1_(counting(), form1Project()) {
  screen_.show(form1_.window(), form1_.window());
  SetFocus(form1_.probar());
  settle();
}

// Every refused call counted from Form1's load on.
host::win32::Win32Host& Win32FormWindow::counting() {
  host_.setRefusalObserver([this](const host::HostError&) { ++refused_; });
  return host_;
}

host::Project Win32FormWindow::form1Project() {
  host::Project project = capturing_.form1Project();
  project.iconPath = "#1";
  return project;
}

// What the window had painted when the handler returned, read from its own pixels: the screen
// takes them over a moment later at the window system's own pace (under Wine, when it next
// flushes the window to the X server), so a read off the screen here would depend on timing.
// The watch makes sure nothing came over the window meanwhile.
Picture Win32FormWindow::pressForReadingAtReturn(int method) {
  pressFor(method);
  Picture painted = paintedPixels(form1_.window());
  if (painted.empty())
    throw ReadBackError("the window's pixels cannot be read; nothing was written");
  return painted;
}

Area Win32FormWindow::areaOf(host::ControlRef control) {
  const RECT place = form1_.placeOf(host_.window(control));
  return {place.left, place.top, place.right, place.bottom};
}

// Centred in the button, in the button's own font, one pixel wider all round for the glyphs'
// edges.
Area Win32FormWindow::captionOf(host::ControlRef control) {
  const HWND button = host_.window(control);
  const std::wstring caption = windowText(button);
  SIZE size{};
  {
    const host::win32::WindowDc dc(button);
    const host::win32::Selection font(
        dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &size);
  }
  const Area area = areaOf(control);
  const int centreX = (area.left + area.right) / 2;
  const int centreY = (area.top + area.bottom) / 2;
  return {centreX - size.cx / 2 - 1, centreY - size.cy / 2 - 1, centreX + (size.cx + 1) / 2 + 1,
          centreY + (size.cy + 1) / 2 + 1};
}

}  // namespace tour::win32
