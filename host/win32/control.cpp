#include "host/win32/control.h"

#include <vector>

#include "host/win32/convert.h"

namespace host::win32 {

PixelPlace pixelPlace(const Control& control) {
  const UINT dpi = control.dpi;
  return {toPixels(control.left, dpi), toPixels(control.top, dpi), toPixels(control.width, dpi),
          toPixels(control.height, dpi)};
}

void applyGeometry(const Control& control) {
  const PixelPlace place = pixelPlace(control);
  MoveWindow(control.window, place.left, place.top, place.width, place.height, TRUE);
}

void schedulePaint(const Control& control) {
  // Until the form is first shown there is nothing to repaint: showing it paints it whole.
  const HWND form = GetParent(control.window);
  if (form && !(GetWindowLongPtrW(form, GWL_STYLE) & WS_VISIBLE)) return;
  RedrawWindow(control.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

// A quick second click presses a button again; in a text box or a control of a kind the host
// does not know it stays a double click.
void describeForAssistiveTechnology(Control& control) {
  const Text label = fromUtf8(describe(control));
  control.hooks.type = control.type;
  control.hooks.description.assign(wide(label), label.size());
  if (control.type == ControlType::TextBox) control.hooks.name = control.hooks.description;
  control.hooks.pressOnEveryClick =
      control.type != ControlType::TextBox && control.type != ControlType::Other;
}

Text windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetWindowTextW(window, buffer.data(), length + 1);
  return fromWide(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void setWindowText(HWND window, const Text& text) {
  SetWindowTextW(window, wide(text));
}

}  // namespace host::win32
