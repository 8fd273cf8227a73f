// The Windows tour's Form1 window: the user's keys and clicks never reach Form1, between presses
// or inside a method's yields, and the watch notes another window that holds or takes the
// foreground while a method runs.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "host/text.h"
#include "host/win32/windows_api.h"
#include "tour/win32/win32_form_window.h"

namespace tour::win32 {
namespace {

using host::win32::ControlLook;

// A small window of the test's own, which can take the foreground from Form1.
class OtherWindow {
 public:
  OtherWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TourTestOther";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, L"TourTestOther", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
  }
  ~OtherWindow() { DestroyWindow(window_); }
  OtherWindow(const OtherWindow&) = delete;
  OtherWindow& operator=(const OtherWindow&) = delete;

  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

void bringToFront(FormWindow& form, HWND window) {
  SetForegroundWindow(window);
  ASSERT_TRUE(form.waitFor([&] { return GetForegroundWindow() == window; }));
}

TEST(TourWindow, WatchNotesAnotherWindowHoldingOrTakingTheForeground) {
  const auto window = std::make_unique<Win32FormWindow>(ControlLook::Classic, nullptr);
  const HWND form = GetForegroundWindow();
  const OtherWindow other;
  const struct {
    const char* what;
    HWND frontWhenTheMethodBegins;
    bool takenAndGivenBack;  // while the method runs
    std::optional<std::string> says;
  } cases[] = {
      {"Form1 in front throughout", form, false, std::nullopt},
      {"another window holds the foreground", other.get(), false,
       "the window is not the foreground window"},
      {"another window takes the foreground and gives it back", form, true,
       "the window lost the activation"},
  };
  for (const auto& [what, front, takenAndGivenBack, says] : cases) {
    bringToFront(*window, front);
    window->beginWatch();
    if (takenAndGivenBack) {
      bringToFront(*window, other.get());
      bringToFront(*window, form);
    }
    EXPECT_EQ(window->disturbance(), says) << what;
  }
}

// The control named `name`, as the host has it.
host::ControlRef controlNamed(FormWindow& window, const std::u16string& name) {
  for (const host::ControlRef control : window.controls()) {
    if (window.host().getProperty(control, u"Name").asText() == name) return control;
  }
  return {};
}

void pressSpace() {
  INPUT keys[2]{};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_SPACE;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

void clickAt(POINT place) {
  SetCursorPos(place.x, place.y);
  INPUT buttons[2]{};
  buttons[0].type = buttons[1].type = INPUT_MOUSE;
  buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, buttons, sizeof(INPUT));
}

// Whether the user's input has reached this thread's queue, waiting for it a few seconds at
// most without taking anything from the queue.
bool inputQueued() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (HIWORD(GetQueueStatus(QS_INPUT)) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_INPUT);
  }
  return true;
}

// Space on the focused PROBAR, or a click on it, would press it: a method of its own would run and
// change the title and the buttons. Input waiting when a method yields is taken by the yield.
TEST(TourWindow, KeysAndClicksNeverReachForm1) {
  const auto window = std::make_unique<Win32FormWindow>(ControlLook::Classic, nullptr);
  const HWND form = GetForegroundWindow();
  const Area probar = window->areaOf(controlNamed(*window, u"cmdProbar"));
  POINT centre{(probar.left + probar.right) / 2, (probar.top + probar.bottom) / 2};
  ClientToScreen(form, &centre);
  const std::string untouched = window->title();
  const std::string method9 = "Prueba 9: DoEvents entre cada asignacion";
  const struct {
    const char* what;
    bool click;     // else Space
    bool inMethod;  // taken by method 9's yields, else by the tour's own loop
    std::string title;
  } cases[] = {
      {"Space between presses", false, false, untouched},
      {"a click between presses", true, false, untouched},
      {"Space during a yield", false, true, method9},
      {"a click during a yield", true, true, method9},
  };
  for (const auto& [what, click, inMethod, title] : cases) {
    bringToFront(*window, form);
    window->settle();
    click ? clickAt(centre) : pressSpace();
    ASSERT_TRUE(inputQueued()) << what;
    if (inMethod) window->pressFor(9);
    window->settle();
    EXPECT_EQ(HIWORD(GetQueueStatus(QS_INPUT)), 0) << what << ": the input was not taken";
    EXPECT_EQ(window->title(), title) << what;
  }
}

}  // namespace
}  // namespace tour::win32
