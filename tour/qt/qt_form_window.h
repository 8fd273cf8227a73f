#pragma once

#include <functional>
#include <memory>

#include "host/qt/qt_host.h"
#include "tour/core/capturing_host.h"
#include "tour/core/tour_host.h"
#include "tour/qt/shown_window.h"

class QAbstractButton;
class QWidget;

namespace tour::qt {

// Form1 loaded on a Qt host of its own and shown as the active window.
class QtFormWindow final : public QtShownWindow<FormWindow> {
 public:
  // Form1's code runs on a host that calls `afterYield` after each yield, where one is given.
  explicit QtFormWindow(std::function<void()> afterYield);

  host::FormsHost& host() override { return qtHost_; }
  std::vector<host::ControlRef> controls() override;
  void pressNext() override;
  void pressFor(int method) override;
  Picture pressForReadingAtReturn(int method) override;
  int patienceSeconds() const override { return kPatienceMs / 1000; }
  std::string title() override;
  Area areaOf(host::ControlRef control) override;
  Area captionOf(host::ControlRef control) override;
  int refused() const override { return refused_; }
  void resetRefused() override { refused_ = 0; }

 protected:
  QWidget& window() const override;

 private:
  QAbstractButton& probar() const;

  host::qt::QtHost qtHost_;
  CapturingHost capturing_;
  host::FormRef form_;
  int refused_ = 0;
};

}  // namespace tour::qt
