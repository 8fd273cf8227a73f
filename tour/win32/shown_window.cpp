#include "tour/win32/shown_window.h"

#include "driver/win32/form1_driver.h"
#include "tour/core/tour_host.h"
#include "tour/win32/screen_pixels.h"

namespace tour::win32 {
namespace {

// To the screen's bottom right corner, or its top left one where the window reaches that.
void movePointerAwayFrom(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const POINT corner{left + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1,
                     top + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1};
  if (!PtInRect(&place, corner)) {
    SetCursorPos(corner.x, corner.y);
  } else {
    SetCursorPos(left, top);
  }
}

}  // namespace

ShownOnScreen::ShownOnScreen(host::win32::Win32Host& host) : host_(host) {
  if (!shield_.up()) {
    throw ReadBackError(
        "the pointer and the keys cannot be kept from the window, so what it shows cannot be "
        "trusted; nothing was written");
  }
}

void ShownOnScreen::show(HWND top, HWND pixels) {
  top_ = top;
  pixels_ = pixels;
  if (pixels != top) ShowWindow(pixels, SW_SHOWNA);
  ShowWindow(top, SW_SHOWNORMAL);
  SetForegroundWindow(top);
  UpdateWindow(top);
  const bool shown = waitFor([top] {
    if (GetForegroundWindow() != top) SetForegroundWindow(top);
    return !unseenBecause(top);
  });
  if (!shown) {
    throw ReadBackError(*unseenBecause(top) + " within " +
                        std::to_string(driver::win32::Form1Driver::kPatienceSeconds) +
                        " s, so its pixels cannot be read back reliably; nothing was written");
  }
  movePointerAwayFrom(top);
  settle();
}

void ShownOnScreen::settle() {
  host_.yield();
}

bool ShownOnScreen::waitFor(const std::function<bool()>& done) {
  return driver::win32::settleUntil(host_, done);
}

Picture ShownOnScreen::render() {
  return paintedPixels(pixels_);
}

Picture ShownOnScreen::readBack() {
  Picture shown = screenPixels(pixels_);
  if (shown.empty()) {
    throw ReadBackError(
        "the screen's pixels cannot be read, so there is nothing to judge; nothing was written");
  }
  return shown;
}

void ShownOnScreen::beginWatch() {
  watch_.begin(top_);
}

std::optional<std::string> ShownOnScreen::disturbance() {
  return watch_.disturbance();
}

}  // namespace tour::win32
