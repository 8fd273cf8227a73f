#pragma once

#include <QColor>
#include <QPushButton>

namespace host::qt {

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
  void paintFace(QPainter& painter) const;
  void paintCaption(QPainter& painter) const;

  bool graphical_ = false;
  bool raised_ = true;
  QColor face_;
  QColor text_;
};

}  // namespace host::qt
