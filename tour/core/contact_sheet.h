#pragma once

#include <algorithm>
#include <vector>

#include "tour/core/tour_host.h"
#include "tour/core/tour_result.h"

namespace tour {

// The grid of a contact sheet: cells of one picture each, with its label in a band under it,
// a gap around every cell.
struct SheetLayout {
  int pictureWidth = 0;  // each frame's size on the sheet
  int pictureHeight = 0;
  int count = 0;
  int columns = 1;

  static constexpr int kGap = 12;
  static constexpr int kLabelHeight = 24;

  int rows() const { return (count + columns - 1) / columns; }
  int cellWidth() const { return pictureWidth; }
  int cellHeight() const { return pictureHeight + kLabelHeight; }
  int width() const { return kGap + std::min(count, columns) * (cellWidth() + kGap); }
  int height() const { return kGap + rows() * (cellHeight() + kGap); }
  // Where the picture of frame `index` goes; its label sits right under it.
  Area pictureArea(int index) const;
};

// The frames in a grid of `columns`, scaled by `scale`, each labelled with its title.
Picture contactSheet(const std::vector<Frame>& frames, int columns, SheetPainter& painter,
                     double scale = 1.0);

// Sheets one under the other, each at its own size, left aligned; a bare gap where there are
// none.
Picture stackedSheets(const std::vector<Picture>& sheets);

}  // namespace tour
