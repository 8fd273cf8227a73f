#include <gtest/gtest.h>

#include "tests/support/captions.h"
#include "tests/win32/form1_window.h"

namespace winbench {
namespace {

// The six Command1 buttons in enumeration order.
constexpr std::int16_t kCommand1[] = {3, 2, 1, 4, 22, 0};

std::int16_t styleOf(Form1Window& form1, std::int16_t index) {
  return form1.host().getProperty(form1.control(u"Command1", index), u"Style").asInt16();
}

// Presses of "PROBAR" with real mouse input (SendInput at the button's centre): each runs the
// next method and writes its caption; a press of another button runs nothing.
TEST(Win32Cycle, RunsTheNextMethodOnEachPressOfProbar) {
  Form1Window form1;
  const HWND probar = form1.child(u"cmdProbar");
  for (int method = 1; method <= 10; ++method) {
    form1.click(probar);
    const std::string& wanted = support::kCaptions[static_cast<std::size_t>(method - 1)];
    ASSERT_TRUE(form1.waitFor([&] { return form1.title() == wanted; }))
        << "press " << method << " left " << form1.title();
  }
  form1.click(form1.child(u"Command1", 0));
  form1.waitFor([&] { return GetFocus() == form1.child(u"Command1", 0); });
  EXPECT_EQ(form1.title(), support::kCaptions[9]);
  for (const std::int16_t index : kCommand1) EXPECT_EQ(styleOf(form1, index), 0);
}

// Two presses queued at once while method 9 is next: the second runs during method 9's first
// yield, so method 10 resets every button, and method 9 then finishes the rest: the first button
// stays standard and the five after it are graphical again.
TEST(Win32Cycle, RunsAPressQueuedDuringMethodNineNestedInsideIt) {
  Form1Window form1;
  const HWND probar = form1.child(u"cmdProbar");
  for (int method = 1; method <= 8; ++method) {
    form1.click(probar);
    const std::string& wanted = support::kCaptions[static_cast<std::size_t>(method - 1)];
    ASSERT_TRUE(form1.waitFor([&] { return form1.title() == wanted; }));
  }
  form1.click(probar, 2);
  ASSERT_TRUE(form1.waitFor([&] { return form1.title() == support::kCaptions[9]; }));
  form1.settle();
  EXPECT_EQ(styleOf(form1, kCommand1[0]), 0);
  for (std::size_t i = 1; i < std::size(kCommand1); ++i) {
    EXPECT_EQ(styleOf(form1, kCommand1[i]), 1) << "Command1(" << kCommand1[i] << ")";
  }
}

// The keyboard works during method 9's yields as in the event loop: with "PROBAR" focused,
// Space presses it and method 9 runs; Shift+Tab and Space queued behind that press reach it
// during its yields, moving the focus to Check1(1) and ticking it. Were Tab not handled there,
// the second Space would press "PROBAR" again and run method 10 inside method 9.
TEST(Win32Cycle, TakesTheKeyboardDuringMethodNinesYields) {
  Form1Window form1;
  const HWND probar = form1.child(u"cmdProbar"), check = form1.child(u"Check1", 1);
  for (int method = 1; method <= 8; ++method) {
    form1.click(probar);
    const std::string& wanted = support::kCaptions[static_cast<std::size_t>(method - 1)];
    ASSERT_TRUE(form1.waitFor([&] { return form1.title() == wanted; }));
  }
  ASSERT_EQ(GetFocus(), probar);
  form1.key(VK_SPACE);
  form1.key(VK_TAB, true);
  form1.key(VK_SPACE);
  ASSERT_TRUE(form1.waitFor([&] { return form1.title() == support::kCaptions[8]; }))
      << form1.title();
  EXPECT_TRUE(form1.waitFor([&] { return SendMessageW(check, BM_GETCHECK, 0, 0) != 0; }));
  EXPECT_EQ(GetFocus(), check);
  EXPECT_EQ(form1.title(), support::kCaptions[8]);
  for (const std::int16_t index : kCommand1) EXPECT_EQ(styleOf(form1, index), 1);
}

}  // namespace
}  // namespace winbench
