#pragma once

#include <functional>

#include "driver/win32/form1_driver.h"
#include "host/win32/control_look.h"
#include "host/win32/win32_host.h"
#include "tour/core/capturing_host.h"
#include "tour/core/tour_host.h"
#include "tour/win32/shown_window.h"

namespace tour::win32 {

// A fresh Form1 on a Win32 host of its own, its controls drawn in `look`, shown as the
// foreground window, clear of the pointer, and kept from the user's pointer and keys. Form1's
// code runs on a host that calls `afterYield` after each yield, where one is given. Throws
// ReadBackError where the window does not come on screen as the foreground window.
class Win32FormWindow final : public FormWindow {
 public:
  Win32FormWindow(host::win32::ControlLook look, std::function<void()> afterYield);

  host::FormsHost& host() override { return host_; }
  std::vector<host::ControlRef> controls() override { return host_.controlsOf(form1_.form()); }
  void pressNext() override { form1_.pressNext(); }
  void pressFor(int method) override { form1_.pressFor(method); }
  Picture pressForReadingAtReturn(int method) override;
  void settle() override { form1_.settle(); }
  bool waitFor(const std::function<bool()>& done) override { return form1_.waitFor(done); }
  int patienceSeconds() const override { return driver::win32::Form1Driver::kPatienceSeconds; }
  std::string title() override { return form1_.title(); }
  Picture render() override { return screen_.render(); }
  Picture readBack() override { return screen_.readBack(); }
  void beginWatch() override { screen_.beginWatch(); }
  std::optional<std::string> disturbance() override { return screen_.disturbance(); }
  Area areaOf(host::ControlRef control) override;
  Area captionOf(host::ControlRef control) override;
  int refused() const override { return refused_; }
  void resetRefused() override { refused_ = 0; }

 private:
  host::win32::Win32Host& counting();
  host::Project form1Project();

  host::win32::Win32Host host_;
  int refused_ = 0;
  CapturingHost capturing_;
  ShownOnScreen screen_;  // the shield up before Form1 loads
  driver::win32::Form1Driver form1_;
};

}  // namespace tour::win32
