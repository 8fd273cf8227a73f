#include "tour/win32/win32_form_window.h"

#include <chrono>
#include <optional>
#include <string>

#include "host/error.h"
#include "host/win32/convert.h"
#include "host/win32/win32_host.h"
#include "testbench/form1.h"
#include "testbench/form1_acceso.h"
#include "tour/core/capturing_host.h"
#include "tour/win32/input_shield.h"
#include "tour/win32/read_back_watch.h"
#include "tour/win32/screen_pixels.h"

namespace tour::win32 {
namespace {

using host::win32::ControlLook;
using host::win32::Win32Host;

// How long the window system may take to map, activate and paint a window. A window manager
// does it in milliseconds; this is for a loaded machine.
constexpr int kPatienceSeconds = 5;
constexpr DWORD kPollMs = 10;

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

Area toArea(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

class Win32FormWindow final : public FormWindow {
 public:
  Win32FormWindow(ControlLook look, std::function<void()> afterYield)
      : host_(look), capturing_(host_) {
    if (!shield_.up()) {
      throw ReadBackError(
          "the pointer and the keys cannot be kept from the window, so what it shows cannot be "
          "trusted; nothing was written");
    }
    host_.setRefusalObserver([this](const host::HostError&) { ++refused_; });
    if (afterYield) capturing_.setAfterYield(std::move(afterYield));
    host::Project project = testbench::ProyectoForm1();
    project.createCode = [this](host::FormsHost&, host::FormRef form) {
      auto code = std::make_unique<testbench::Form1>(capturing_, form);
      form1_ = code.get();
      return code;
    };
    form_ = host_.createForm(*project.startupForm, "#1");
    host_.attachCode(form_, project);
    window_ = host_.window(form_);
    probar_ = host_.window(host_.control(form_, u"cmdProbar"));
    show();
  }

  host::FormsHost& host() override { return host_; }
  std::vector<host::ControlRef> controls() override { return host_.controlsOf(form_); }

  void pressNext() override { SendMessageW(probar_, BM_CLICK, 0, 0); }

  void pressFor(int method) override {
    testbench::Form1Acceso::MetodoActual(*form1_) = static_cast<std::int16_t>(method - 1);
    pressNext();
  }

  // What the window had painted when the handler returned, read from its own pixels: the screen
  // takes them over a moment later at the window system's own pace (under Wine, when it next
  // flushes the window to the X server), so a read off the screen here would depend on timing.
  // The watch makes sure nothing came over the window meanwhile.
  Picture pressForReadingAtReturn(int method) override {
    pressFor(method);
    Picture painted = paintedPixels(window_);
    if (painted.empty())
      throw ReadBackError("the window's pixels cannot be read; nothing was written");
    return painted;
  }

  void settle() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      host_.dispatch(message);
    }
  }

  bool waitFor(const std::function<bool()>& done) override {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kPatienceSeconds);
    for (;;) {
      settle();
      if (done()) return true;
      if (std::chrono::steady_clock::now() >= deadline) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
    }
  }

  int patienceSeconds() const override { return kPatienceSeconds; }

  std::string title() override {
    const std::wstring text = windowText(window_);
    return host::toUtf8(host::win32::fromWide(text.data(), text.size()));
  }

  Picture render() override { return paintedPixels(window_); }

  Picture readBack() override {
    Picture shown = screenPixels(window_);
    if (shown.empty()) {
      throw ReadBackError(
          "the screen's pixels cannot be read, so there is nothing to judge; "
          "nothing was written");
    }
    return shown;
  }

  void beginWatch() override { watch_.begin(window_); }
  std::optional<std::string> disturbance() override { return watch_.disturbance(); }

  Area areaOf(host::ControlRef control) override {
    RECT place{};
    GetWindowRect(host_.window(control), &place);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
    return toArea(place);
  }

  // Centred in the button, in the button's own font, one pixel wider all round for the glyphs'
  // edges.
  Area captionOf(host::ControlRef control) override {
    const HWND button = host_.window(control);
    const std::wstring caption = windowText(button);
    SIZE size{};
    {
      const host::win32::WindowDc dc(button);
      const host::win32::Selection font(
          dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
      GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &size);
    }
    const Area area = areaOf(control);
    const int centreX = (area.left + area.right) / 2;
    const int centreY = (area.top + area.bottom) / 2;
    return {centreX - size.cx / 2 - 1, centreY - size.cy / 2 - 1, centreX + (size.cx + 1) / 2 + 1,
            centreY + (size.cy + 1) / 2 + 1};
  }

  int refused() const override { return refused_; }
  void resetRefused() override { refused_ = 0; }

 private:
  // Shown where the window manager places it, brought to the foreground, the pointer moved
  // off it and the focus on PROBAR, which every press gives it anyway: the focus ring then
  // stays where it is and does not count as a change a method made.
  void show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
    const bool shown = waitFor([this] {
      if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
      return !unseenBecause(window_);
    });
    if (!shown) {
      throw ReadBackError(*unseenBecause(window_) + " within " + std::to_string(kPatienceSeconds) +
                          " s, so its pixels cannot be read back reliably; nothing was written");
    }
    movePointerAway();
    SetFocus(probar_);
    settle();
  }

  // To the screen's bottom right corner, or its top left one where the window reaches that.
  void movePointerAway() {
    RECT place{};
    GetWindowRect(window_, &place);
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const POINT corner{left + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1,
                       top + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1};
    if (!PtInRect(&place, corner)) {
      SetCursorPos(corner.x, corner.y);
    } else {
      SetCursorPos(left, top);
    }
  }

  Win32Host host_;
  CapturingHost capturing_;
  host::FormRef form_;
  testbench::Form1* form1_ = nullptr;
  HWND window_ = nullptr;
  HWND probar_ = nullptr;
  int refused_ = 0;
  ReadBackWatch watch_;
  InputShield shield_;
};

}  // namespace

std::unique_ptr<FormWindow> loadForm1(ControlLook look, std::function<void()> afterYield) {
  return std::make_unique<Win32FormWindow>(look, std::move(afterYield));
}

}  // namespace tour::win32
