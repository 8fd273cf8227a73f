#include "tour/win32/input_shield.h"

namespace tour::win32 {
namespace {

bool isUserInput(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) || message == WM_MOUSEHOVER ||
         message == WM_MOUSELEAVE;
}

}  // namespace

InputShield::InputShield()
    : hook_(SetWindowsHookExW(WH_GETMESSAGE, emptyInput, nullptr, GetCurrentThreadId())) {}

LRESULT CALLBACK InputShield::emptyInput(int code, WPARAM w, LPARAM l) {
  auto* message = reinterpret_cast<MSG*>(l);
  if (code == HC_ACTION && isUserInput(message->message)) message->message = WM_NULL;
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace tour::win32
