#pragma once

#include "tour/core/tour_host.h"

namespace tour::win32 {

// Labels and scaling for the contact sheets, drawn by GDI in the system's message font.
class GdiSheetPainter final : public SheetPainter {
 public:
  Picture label(const std::string& text, int width, int height, RgbHex background,
                RgbHex ink) override;
  Picture scaled(const Picture& picture, int width, int height) override;
};

}  // namespace tour::win32
