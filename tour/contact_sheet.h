#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

#include "tour/tour_run.h"

namespace tour {

// The grid of a contact sheet: cells of one picture each, with its label in a band under it,
// a gap around every cell.
struct SheetLayout {
  QSize picture;  // each frame's size on the sheet
  int count = 0;
  int columns = 1;

  static constexpr int kGap = 12;
  static constexpr int kLabelHeight = 24;

  int rows() const { return (count + columns - 1) / columns; }
  QSize cell() const { return {picture.width(), picture.height() + kLabelHeight}; }
  QSize size() const {
    return {kGap + qMin(count, columns) * (cell().width() + kGap),
            kGap + rows() * (cell().height() + kGap)};
  }
  // Where the picture of frame `index` goes; its label sits right under it.
  QRect pictureRect(int index) const {
    const int column = index % columns;
    const int row = index / columns;
    return {QPoint(kGap + column * (cell().width() + kGap), kGap + row * (cell().height() + kGap)),
            picture};
  }
};

// Draws the frames in a grid of `columns`, scaled by `scale`, each labelled with its title.
QImage contactSheet(const std::vector<Frame>& frames, int columns, double scale = 1.0);

}  // namespace tour
