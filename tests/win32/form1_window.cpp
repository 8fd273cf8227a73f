#include "tests/win32/form1_window.h"

#include <vector>

namespace winbench {

Form1Window::Form1Window(const host::Project& project) : Form1Driver(win32Host, project) {
  ShowWindow(window(), SW_SHOW);
  SetForegroundWindow(window());
  UpdateWindow(window());
  waitFor([this] { return GetActiveWindow() == window() && GetFocus() != nullptr; });
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
