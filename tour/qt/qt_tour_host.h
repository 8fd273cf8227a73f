#pragma once

#include <string>

#include "tour/core/tour_host.h"

namespace tour::qt {

// The tour on the Qt host: styles are the installed Qt styles, applied to the whole application.
// A QApplication must exist.
class QtTourHost final : public TourHost {
 public:
  // `style` is the name of the style in use, as the user asked for it or as Qt gives it.
  explicit QtTourHost(std::string style) : style_(std::move(style)) {}

  std::string styleName() override { return style_; }
  void useStyle(const std::string& style) override;
  std::string platformName() override;
  // "Fusion style on the offscreen platform".
  std::string verdictsHeading(const std::string& style) override;
  std::unique_ptr<FormWindow> loadForm1(std::function<void()> afterYield) override;

 private:
  std::string style_;
};

}  // namespace tour::qt
