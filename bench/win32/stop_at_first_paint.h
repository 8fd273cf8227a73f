#pragma once

#include <windows.h>

namespace bench::win32 {

// Ends the program right after the first frame of its top-level window is painted, so that a
// whole process measures start-up to the first painted frame. Used the same way by the
// program's bench entry and by the bare program, so that both stop at the same point.
//
// The hook sees every message the thread's loop takes from its queue. When the top-level
// window's first WM_PAINT is taken, a thread message is posted behind it; the loop takes that
// only after the paint has been dispatched. Then the children still waiting to paint are
// painted at once, and the loop is asked to quit.
class StopAtFirstPaint {
 public:
  StopAtFirstPaint()
      : hook_(SetWindowsHookExW(WH_GETMESSAGE, &StopAtFirstPaint::onMessage, nullptr,
                                GetCurrentThreadId())) {}
  ~StopAtFirstPaint() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  StopAtFirstPaint(const StopAtFirstPaint&) = delete;
  StopAtFirstPaint& operator=(const StopAtFirstPaint&) = delete;

  bool installed() const { return hook_ != nullptr; }

 private:
  static constexpr UINT kPainted = WM_APP + 0x51;

  static LRESULT CALLBACK onMessage(int code, WPARAM removal, LPARAM data) {
    auto& message = *reinterpret_cast<MSG*>(data);
    if (code == HC_ACTION && removal == PM_REMOVE) take(message);
    return CallNextHookEx(nullptr, code, removal, data);
  }

  static void take(MSG& message) {
    static HWND painted = nullptr;
    if (!painted && message.message == WM_PAINT && message.hwnd &&
        GetAncestor(message.hwnd, GA_ROOT) == message.hwnd) {
      painted = message.hwnd;
      PostThreadMessageW(GetCurrentThreadId(), kPainted, 0, 0);
    } else if (painted && message.message == kPainted && !message.hwnd) {
      RedrawWindow(painted, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      GdiFlush();
      message.message = WM_NULL;
      PostQuitMessage(0);
    }
  }

  HHOOK hook_;
};

}  // namespace bench::win32
