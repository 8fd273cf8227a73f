#include "tour/core/contact_sheet.h"

#include <algorithm>
#include <cmath>

namespace tour {
namespace {

constexpr RgbHex kBackground = rgbOf(244, 244, 244);
constexpr RgbHex kOutline = rgbOf(160, 160, 160);
constexpr RgbHex kLabel = rgbOf(32, 32, 32);

int scaledLength(int length, double scale) {
  return static_cast<int>(std::lround(length * scale));
}

// The picture, its label in the band under it, and a grey line round the picture. The line goes
// last: the band starts on the row the line closes the picture with.
void drawCell(Picture& sheet, const Area& place, const Frame& frame, SheetPainter& painter) {
  const bool fits = frame.image.width() == place.width() && frame.image.height() == place.height();
  sheet.paste(fits ? frame.image : painter.scaled(frame.image, place.width(), place.height()),
              place.left, place.top);
  sheet.paste(
      painter.label(frame.title, place.width(), SheetLayout::kLabelHeight, kBackground, kLabel),
      place.left, place.bottom);
  sheet.outline(place, kOutline);
}

}  // namespace

Area SheetLayout::pictureArea(int index) const {
  const int left = kGap + (index % columns) * (cellWidth() + kGap);
  const int top = kGap + (index / columns) * (cellHeight() + kGap);
  return {left, top, left + pictureWidth, top + pictureHeight};
}

Picture contactSheet(const std::vector<Frame>& frames, int columns, SheetPainter& painter,
                     double scale) {
  // A strip of no frames has no columns either; it still makes an (empty) sheet.
  SheetLayout layout{0, 0, static_cast<int>(frames.size()), std::max(columns, 1)};
  if (!frames.empty()) {
    layout.pictureWidth = scaledLength(frames.front().image.width(), scale);
    layout.pictureHeight = scaledLength(frames.front().image.height(), scale);
  }
  Picture sheet(layout.width(), layout.height(), kBackground);
  for (std::size_t index = 0; index < frames.size(); ++index) {
    drawCell(sheet, layout.pictureArea(static_cast<int>(index)), frames[index], painter);
  }
  return sheet;
}

Picture stackedSheets(const std::vector<Picture>& sheets) {
  int width = SheetLayout::kGap;
  int height = sheets.empty() ? SheetLayout::kGap : 0;
  for (const Picture& sheet : sheets) {
    width = std::max(width, sheet.width());
    height += sheet.height();
  }
  Picture stack(width, height, kBackground);
  int top = 0;
  for (const Picture& sheet : sheets) {
    stack.paste(sheet, 0, top);
    top += sheet.height();
  }
  return stack;
}

}  // namespace tour
