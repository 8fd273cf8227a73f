#include "tests/win32/form1_window.h"

#include <gtest/gtest.h>

namespace winbench {

Capture::Capture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width_;
  format.bmiHeader.biHeight = -height_;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const host::win32::WindowDc screen(window);
  const host::win32::Bitmap bitmap(
      CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const host::win32::MemoryDc memory(screen.get());
  {
    const host::win32::Selection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width_, height_, screen.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  pixels_.assign(first, first + static_cast<std::size_t>(width_) * height_);
}

COLORREF Capture::at(int x, int y) const {
  const std::uint32_t pixel = pixels_.at(static_cast<std::size_t>(y) * width_ + x);
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Capture::count(const RECT& area, COLORREF colour) const {
  int found = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) found += at(x, y) == colour ? 1 : 0;
  }
  return found;
}

Form1Window::Form1Window(const host::Project& project) {
  form = host.createForm(*project.startupForm, project.iconPath);
  host.attachCode(form, project);
  ShowWindow(window(), SW_SHOW);
  SetForegroundWindow(window());
  UpdateWindow(window());
  pumpUntil([this] { return GetActiveWindow() == window() && GetFocus() != nullptr; });
}

host::ControlRef Form1Window::control(std::u16string_view name,
                                      std::optional<std::int16_t> index) const {
  return host.control(form, name, index);
}

HWND Form1Window::child(std::u16string_view name, std::optional<std::int16_t> index) const {
  return host.window(control(name, index));
}

std::string Form1Window::caption() const {
  wchar_t text[256]{};
  GetWindowTextW(window(), text, 256);
  std::string narrow;
  for (const wchar_t* c = text; *c; ++c) narrow.push_back(static_cast<char>(*c));
  return narrow;
}

RECT Form1Window::placeOf(HWND control) const {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void Form1Window::pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) host.dispatch(message);
}

// A bound on rounds, not a timed assertion: it only keeps a fault from stalling the run.
bool Form1Window::pumpUntil(const std::function<bool()>& done) {
  for (int round = 0; round < 200; ++round) {
    pump();
    if (done()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 25, QS_ALLINPUT);
  }
  return false;
}

void Form1Window::click(HWND control, int presses, std::optional<POINT> at) {
  RECT client{};
  GetClientRect(control, &client);
  POINT point = at.value_or(POINT{client.right / 2, client.bottom / 2});
  ClientToScreen(control, &point);
  const int x = point.x, y = point.y;
  const auto normal = [](int value, int extent) {
    return static_cast<LONG>((value * 65535 + extent / 2) / (extent - 1));
  };
  std::vector<INPUT> inputs;
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = normal(x, GetSystemMetrics(SM_CXSCREEN));
  move.mi.dy = normal(y, GetSystemMetrics(SM_CYSCREEN));
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs.push_back(move);
  for (int i = 0; i < presses; ++i) {
    for (const DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
      INPUT button{};
      button.type = INPUT_MOUSE;
      button.mi.dwFlags = flag;
      inputs.push_back(button);
    }
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Form1Window::key(WORD virtualKey, bool shift) {
  std::vector<INPUT> inputs;
  const auto add = [&inputs](WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (shift) add(VK_SHIFT, 0);
  add(virtualKey, 0);
  add(virtualKey, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace winbench
