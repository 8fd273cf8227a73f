#pragma once

#include <functional>
#include <memory>

#include "driver/qt/form1_driver.h"
#include "host/qt/qt_host.h"
#include "tour/core/capturing_host.h"
#include "tour/core/tour_host.h"
#include "tour/qt/shown_window.h"

namespace tour::qt {

// Form1 loaded on a Qt host of its own and shown as the active window.
class QtFormWindow final : public QtShownWindow<FormWindow> {
 public:
  // Form1's code runs on a host that calls `afterYield` after each yield, where one is given.
  explicit QtFormWindow(std::function<void()> afterYield);

  host::FormsHost& host() override { return qtHost_; }
  std::vector<host::ControlRef> controls() override { return qtHost_.controlsOf(form1_.form()); }
  void pressNext() override { form1_.pressNext(); }
  void pressFor(int method) override { form1_.pressFor(method); }
  Picture pressForReadingAtReturn(int method) override;
  int patienceSeconds() const override { return kPatienceMs / 1000; }
  std::string title() override;
  Area areaOf(host::ControlRef control) override;
  Area captionOf(host::ControlRef control) override;
  int refused() const override { return refused_; }
  void resetRefused() override { refused_ = 0; }

 protected:
  QWidget& window() const override { return form1_.window(); }

 private:
  host::qt::QtHost& countingRefusals();

  host::qt::QtHost qtHost_;
  int refused_ = 0;
  CapturingHost capturing_;
  driver::qt::Form1Driver form1_;
};

}  // namespace tour::qt
