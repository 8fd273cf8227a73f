#include "tour/win32/read_back_watch.h"

namespace tour::win32 {
namespace {

// The watch in force on this thread, for the hook, which has no context of its own.
thread_local ReadBackWatch* current = nullptr;

RECT virtualScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace

std::optional<std::string> unseenBecause(HWND window) {
  if (!IsWindowVisible(window)) return "the window is hidden";
  if (IsIconic(window)) return "the window is minimised";
  if (GetForegroundWindow() != window) return "the window is not the foreground window";
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const RECT screen = virtualScreen();
  if (client.left < screen.left || client.top < screen.top || client.right > screen.right ||
      client.bottom > screen.bottom) {
    return "the window is partly off the screen";
  }
  return std::nullopt;
}

ReadBackWatch::~ReadBackWatch() {
  if (current == this) current = nullptr;
}

void ReadBackWatch::begin(HWND window) {
  window_ = window;
  seen_.reset();
  current = this;
  if (!hook_) {
    hook_.reset(SetWindowsHookExW(WH_CALLWNDPROC, watchMessages, nullptr, GetCurrentThreadId()));
  }
}

std::optional<std::string> ReadBackWatch::disturbance() {
  if (!hook_) return "the window's messages could not be watched";
  if (!seen_) seen_ = unseenBecause(window_);
  return seen_;
}

LRESULT CALLBACK ReadBackWatch::watchMessages(int code, WPARAM w, LPARAM l) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(l);
  ReadBackWatch* watch = current;
  if (code == HC_ACTION && watch && sent->hwnd == watch->window_ && !watch->seen_) {
    if (sent->message == WM_ACTIVATE && LOWORD(sent->wParam) == WA_INACTIVE) {
      watch->seen_ = "the window lost the activation";
    } else if (sent->message == WM_SIZE && sent->wParam == SIZE_MINIMIZED) {
      watch->seen_ = "the window was minimised";
    }
  }
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace tour::win32
