#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "driver/qt/form1_driver.h"
#include "tour/core/tour_host.h"
#include "tour/qt/picture_convert.h"
#include "tour/qt/window_readback.h"

namespace tour::qt {

// A window the tour shows on Qt, as a ShownWindow over its top-level widget: events settled and
// waited for, the window rendered afresh or read back from the window system, and the watch
// between two read-backs. Base is the kind of window the tour drives (Form1's, or an adopted
// form), derived from ShownWindow.
template <class Base>
class QtShownWindow : public Base {
 public:
  void settle() override { driver::qt::settle(); }
  bool waitFor(const std::function<bool()>& done) override { return tour::qt::waitFor(done); }
  Picture render() override { return toPicture(window().grab().toImage()); }
  Picture readBack() override { return toPicture(tour::qt::readBack(window())); }
  void beginWatch() override { watch_ = std::make_unique<ReadBackWatch>(window()); }
  std::optional<std::string> disturbance() override {
    return watch_ ? watch_->disturbance() : std::nullopt;
  }

 protected:
  // The window's top-level widget.
  virtual QWidget& window() const = 0;

 private:
  std::unique_ptr<ReadBackWatch> watch_;
};

}  // namespace tour::qt
