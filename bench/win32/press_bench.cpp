// A press of "PROBAR" for each method, timed inside the program on the Win32 host: the click of
// the button, the method and the caption, and the painting that follows, until no message is
// pending. Prints "press N MICROSECONDS" (the median) for each method.
// Usage: press_bench.exe [REPEATS]   (default 101)
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "bench/win32/driven_form1.h"

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

double timePress(bench::win32::DrivenForm1& form, int method) {
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  form.pressFor(method);
  bench::win32::settle();
  return microsecondsSince(start);
}

int repeatsAsked() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const int repeats =
      arguments && count > 1 ? static_cast<int>(std::wcstol(arguments[1], nullptr, 10)) : 101;
  LocalFree(arguments);
  return std::max(repeats, 1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const int repeats = repeatsAsked();
  return bench::win32::runDriven([repeats](bench::win32::DrivenForm1& form) {
    for (int method = 1; method <= kMethods; ++method) {
      std::vector<double> samples;
      timePress(form, method);  // warm-up
      for (int repeat = 0; repeat < repeats; ++repeat) samples.push_back(timePress(form, method));
      std::printf("press %d %.1f\n", method, median(samples));
    }
    std::fflush(stdout);
  });
}
