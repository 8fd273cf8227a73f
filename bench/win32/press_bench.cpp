// A press of "PROBAR" for each method, timed inside the program on the Win32 host: the click of
// the button, the method and the caption, and the painting that follows, until no message is
// pending. Prints "press N WHOLE HANDLER" for each method: the medians in microseconds of the
// whole press and of the click handler alone; then "floor WHOLE HANDLER" for the least Win32
// work a press of method 1 needs, made directly (the click of a button included), timed in turn
// with method 1's presses.
// Usage: press_bench.exe [REPEATS]   (default 101)
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/win32/run_driven.h"

namespace {

constexpr int kMethods = 10;

double microsecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) * 1e6 /
         static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

struct PressTime {
  double handler;  // until the click handler returned
  double whole;    // until the painting that followed was done
};

PressTime timePress(const driver::win32::Form1Driver& form1, int method) {
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  form1.pressFor(method);
  const double handler = microsecondsSince(start);
  form1.settle();
  return {handler, microsecondsSince(start)};
}

// The floor under a press: what any host does for method 1 at the least, made directly. The
// click of a button like PROBAR (a graphical one that no handler answers: it shows pressed and
// released), then each of the 24 changes schedules a repaint of its button, the caption is set
// and the six buttons are painted.
PressTime timeFloor(const driver::win32::Form1Driver& form1, const std::vector<HWND>& buttons) {
  constexpr int kChangesPerButton = 4;
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  SendMessageW(buttons.front(), BM_CLICK, 0, 0);
  for (const HWND button : buttons) {
    for (int change = 0; change < kChangesPerButton; ++change) {
      RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
  }
  SetWindowTextW(form1.window(), L"Prueba 1: Style+Appearance+Color (igual a CargarSkin)");
  const double handler = microsecondsSince(start);
  form1.settle();
  return {handler, microsecondsSince(start)};
}

// The windows of Form1's Command1 buttons, in the host's order.
std::vector<HWND> command1Windows(const driver::win32::Form1Driver& form1) {
  std::vector<HWND> windows;
  for (const host::ControlRef control : form1.host().controlsOf(form1.form())) {
    if (form1.host().getProperty(control, u"Name").asText() == u"Command1") {
      windows.push_back(form1.host().window(control));
    }
  }
  return windows;
}

int repeatsAsked() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const int repeats =
      arguments && count > 1 ? static_cast<int>(std::wcstol(arguments[1], nullptr, 10)) : 101;
  LocalFree(arguments);
  return std::max(repeats, 1);
}

// Medians of the times taken, in microseconds.
struct Times {
  std::vector<double> handler, whole;
  void add(const PressTime& time) {
    handler.push_back(time.handler);
    whole.push_back(time.whole);
  }
  void print(const char* label) const {
    std::printf("%s %.1f %.1f\n", label, median(whole), median(handler));
  }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const int repeats = repeatsAsked();
  return bench::win32::runDriven([repeats](driver::win32::Form1Driver& form1) {
    const std::vector<HWND> buttons = command1Windows(form1);
    Times floor;
    for (int method = 1; method <= kMethods; ++method) {
      Times presses;
      timePress(form1, method);  // warm-up
      for (int repeat = 0; repeat < repeats; ++repeat) {
        presses.add(timePress(form1, method));
        // Method 1 and its floor are taken in turn, so that a busy machine weighs on both alike.
        if (method == 1) floor.add(timeFloor(form1, buttons));
      }
      presses.print(("press " + std::to_string(method)).c_str());
    }
    floor.print("floor");
    std::fflush(stdout);
  });
}
