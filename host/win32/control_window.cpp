#include "host/win32/control_window.h"

#include <unordered_map>

#include "host/win32/accessible_control.h"

namespace host::win32 {
namespace {

// Each hooked window's hooks, kept in the process rather than as a window property: the
// procedure runs for every message a control gets, and a window property is a request to the
// window server wherever that runs in a process of its own. A window's messages all come on the
// thread that made it, so each thread keeps its own windows.
std::unordered_map<HWND, const ControlWindowHooks*>& hookedWindows() {
  static thread_local std::unordered_map<HWND, const ControlWindowHooks*> windows;
  return windows;
}

LRESULT CALLBACK controlProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  const ControlWindowHooks* hooks = hooksOf(window);
  if (!hooks) return DefWindowProcW(window, message, w, l);
  const WNDPROC platform = hooks->platformProcedure;
  switch (message) {
    case WM_LBUTTONDBLCLK:
      if (hooks->pressOnEveryClick) message = WM_LBUTTONDOWN;
      break;
    case WM_GETOBJECT:
      if (static_cast<DWORD>(l) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT object = answerAccessibleObject(window, *hooks, w)) return object;
      }
      break;
    case WM_NCDESTROY:
      hookedWindows().erase(window);
      break;
    default:
      break;
  }
  return CallWindowProcW(platform, window, message, w, l);
}

}  // namespace

const ControlWindowHooks* hooksOf(HWND window) {
  const auto found = hookedWindows().find(window);
  return found == hookedWindows().end() ? nullptr : found->second;
}

void hookControlWindow(HWND window, ControlWindowHooks& hooks) {
  hookedWindows()[window] = &hooks;
  hooks.platformProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProcedure)));
}

}  // namespace host::win32
