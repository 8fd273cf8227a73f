#pragma once

#include <windows.h>

namespace bench::win32 {

// Ends the program right after the first frame of its window is painted, so that a whole
// process measures start-up to the first painted frame. Used the same way by the program's bench
// entry and by the bare program, so that both stop at the same point.
//
// A timer message is taken from the queue only when no other message and no paint is pending;
// so the first time the timer finds a top-level window of this thread shown, the window and
// every control on it have been painted. Then the process ends there, as it is: what either
// program would do after its first frame (return through its loop, tear its windows down) is
// not start-up, and the two would differ in it.
class StopAtFirstPaint {
 public:
  StopAtFirstPaint() : timer_(SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &StopAtFirstPaint::check)) {}
  ~StopAtFirstPaint() {
    if (timer_) KillTimer(nullptr, timer_);
  }
  StopAtFirstPaint(const StopAtFirstPaint&) = delete;
  StopAtFirstPaint& operator=(const StopAtFirstPaint&) = delete;

  bool installed() const { return timer_ != 0; }

 private:
  static BOOL CALLBACK isShown(HWND window, LPARAM shown) {
    if (!IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<bool*>(shown) = true;
    return FALSE;
  }

  static void CALLBACK check(HWND, UINT, UINT_PTR timer, DWORD) {
    bool shown = false;
    EnumThreadWindows(GetCurrentThreadId(), isShown, reinterpret_cast<LPARAM>(&shown));
    if (!shown) return;
    KillTimer(nullptr, timer);
    GdiFlush();
    ExitProcess(0);
  }

  UINT_PTR timer_;
};

}  // namespace bench::win32
