#pragma once

#include <QColor>
#include <QPalette>
#include <QPushButton>
#include <deque>

namespace host::qt {

class PixelFrame;

// A push button that either leaves its painting to the platform style (standard) or, when
// graphical, paints its face and text itself in the colours it is given: flat with a thin
// border, or raised with a 3-D bevel.
class GraphicalButton final : public QPushButton {
 public:
  explicit GraphicalButton(QWidget* parent);

  void setGraphical(bool graphical);
  void setRaised(bool raised);
  void setFaceColor(const QColor& color);
  void setTextColor(const QColor& color);
  bool graphical() const { return graphical_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintStandard();
  const QPalette& standardPalette();
  void paintFace(QPainter& painter, const PixelFrame& frame, const QColor& face) const;
  void paintFocus(QPainter& painter, const PixelFrame& frame, const QColor& face) const;
  void paintCaption(QPainter& painter) const;

  static constexpr int kFocusBand = 3;  // bands in from the edge

  bool graphical_ = false;
  bool raised_ = true;
  QColor face_;
  QColor text_;
  // The palettes of the standard look, one per text colour lately used. The platform style
  // keys its pixmap cache on the palette's identity, so going back to a colour must give back
  // the same palette; a fresh one each time would add cache keys that Qt never drops.
  struct TextPalette {
    qint64 base;
    QRgb text;
    QPalette palette;
  };
  std::deque<TextPalette> standardPalettes_;
};

}  // namespace host::qt
