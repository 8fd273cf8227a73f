#pragma once

#include "tour/core/tour_host.h"

namespace tour::qt {

// Labels in the application's font and smooth scaling, drawn with QPainter.
class QtSheetPainter final : public SheetPainter {
 public:
  Picture label(const std::string& text, int width, int height, RgbHex background,
                RgbHex ink) override;
  Picture scaled(const Picture& picture, int width, int height) override;
};

}  // namespace tour::qt
