// The driver's wait, on which the tests and the tour rely for whatever the window system does at
// its own pace: it goes on dispatching until the condition holds, not just once.
#include <gtest/gtest.h>

#include <chrono>

#include "tests/win32/form1_window.h"

namespace winbench {
namespace {

TEST(Win32Form1Driver, WaitsUntilAConditionComesTrue) {
  Form1Window form1;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(form1.waitFor(
      [&] { return std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(200); }));
}

}  // namespace
}  // namespace winbench
