#include "host/win32/control_window.h"

#include "host/win32/accessible_control.h"

namespace host::win32 {
namespace {

constexpr wchar_t kHooksProperty[] = L"skinbench.controlWindowHooks";

LRESULT CALLBACK controlProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  const auto* hooks = static_cast<const ControlWindowHooks*>(GetPropW(window, kHooksProperty));
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
      RemovePropW(window, kHooksProperty);
      break;
    default:
      break;
  }
  return CallWindowProcW(platform, window, message, w, l);
}

}  // namespace

void hookControlWindow(HWND window, ControlWindowHooks& hooks) {
  SetPropW(window, kHooksProperty, &hooks);
  hooks.platformProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProcedure)));
}

}  // namespace host::win32
