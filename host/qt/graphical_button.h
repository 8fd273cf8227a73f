#pragma once

#include <QColor>
#include <QPalette>
#include <QPushButton>
#include <deque>

namespace host::qt {

class PixelFrame;

// How a push button paints itself: either the platform style's look (standard), with its text
// in the button's text colour, or, when graphical, its face and text in the colours it is given:
// flat with a thin border, or raised with a 3-D bevel. It paints any push button from within the
// button's paint event: the host's own buttons, and the buttons of a form the host adopted.
class ButtonLook {
 public:
  // Starts with the button's own face and text colours.
  explicit ButtonLook(QPushButton& button);

  void setGraphical(bool graphical);
  void setRaised(bool raised);
  void setFaceColor(const QColor& color);
  void setTextColor(const QColor& color);
  bool graphical() const { return graphical_; }

  // Paints the button as it looks now; only while the button handles a paint event.
  void paint();

 private:
  void paintStandard();
  const QPalette& standardPalette();
  void paintFace(QPainter& painter, const PixelFrame& frame, const QColor& face) const;
  void paintFocus(QPainter& painter, const PixelFrame& frame, const QColor& face) const;
  void paintCaption(QPainter& painter) const;

  static constexpr int kFocusBand = 3;  // bands in from the edge

  QPushButton& button_;
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

// The host's own push button, painted by its look.
class GraphicalButton final : public QPushButton {
 public:
  explicit GraphicalButton(QWidget* parent) : QPushButton(parent), look_(*this) {}

  ButtonLook& look() { return look_; }
  void setGraphical(bool graphical) { look_.setGraphical(graphical); }
  void setRaised(bool raised) { look_.setRaised(raised); }
  void setFaceColor(const QColor& color) { look_.setFaceColor(color); }
  void setTextColor(const QColor& color) { look_.setTextColor(color); }
  bool graphical() const { return look_.graphical(); }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override { look_.paint(); }

 private:
  ButtonLook look_;
};

}  // namespace host::qt
