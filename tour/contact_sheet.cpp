#include "tour/contact_sheet.h"

#include <QPainter>

namespace tour {
namespace {

const QColor kBackground(244, 244, 244);
const QColor kOutline(160, 160, 160);
const QColor kLabel(32, 32, 32);

void drawCell(QPainter& painter, const SheetLayout& layout, int index, const Frame& frame) {
  const QRect picture = layout.pictureRect(index);
  painter.drawImage(picture, frame.image);
  painter.setPen(kOutline);
  painter.drawRect(picture.adjusted(-1, -1, 0, 0));
  const QRect label(picture.bottomLeft() + QPoint(0, 1),
                    QSize(picture.width(), SheetLayout::kLabelHeight));
  painter.setPen(kLabel);
  const QString text = painter.fontMetrics().elidedText(frame.title, Qt::ElideRight, label.width());
  painter.drawText(label, Qt::AlignCenter, text);
}

}  // namespace

QImage contactSheet(const std::vector<Frame>& frames, int columns, double scale) {
  const QSize frameSize =
      frames.empty() ? QSize() : frames.front().image.deviceIndependentSize().toSize();
  const SheetLayout layout{frameSize * scale, static_cast<int>(frames.size()), columns};
  QImage sheet(layout.size(), QImage::Format_RGB32);
  sheet.fill(kBackground);
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != 1.0);
  for (std::size_t index = 0; index < frames.size(); ++index) {
    drawCell(painter, layout, static_cast<int>(index), frames[index]);
  }
  return sheet;
}

}  // namespace tour
