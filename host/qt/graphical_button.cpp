#include "host/qt/graphical_button.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace host::qt {

GraphicalButton::GraphicalButton(QWidget* parent)
    : QPushButton(parent),
      face_(palette().color(QPalette::Button)),
      text_(palette().color(QPalette::ButtonText)) {}

void GraphicalButton::setGraphical(bool graphical) {
  graphical_ = graphical;
  update();
}

void GraphicalButton::setRaised(bool raised) {
  raised_ = raised;
  update();
}

void GraphicalButton::setFaceColor(const QColor& color) {
  face_ = color;
  update();
}

void GraphicalButton::setTextColor(const QColor& color) {
  text_ = color;
  // The standard look takes its text colour from the palette.
  QPalette colours = palette();
  colours.setColor(QPalette::ButtonText, color);
  setPalette(colours);
  update();
}

void GraphicalButton::paintEvent(QPaintEvent* event) {
  if (!graphical_) {
    QPushButton::paintEvent(event);
    return;
  }
  QPainter painter(this);
  paintFace(painter);
  paintCaption(painter);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(4, 4, -4, -4);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void GraphicalButton::paintFace(QPainter& painter) const {
  const QColor face = isDown() ? face_.darker(115) : face_;
  if (!raised_) {
    painter.fillRect(rect(), face);
    painter.setPen(face.darker(170));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    return;
  }
  QPalette bevel(face);
  qDrawWinButton(&painter, rect(), bevel, isDown(), nullptr);
  painter.fillRect(rect().adjusted(2, 2, -2, -2), face);
}

void GraphicalButton::paintCaption(QPainter& painter) const {
  const QColor colour =
      isEnabled() ? text_ : palette().color(QPalette::Disabled, QPalette::ButtonText);
  painter.setPen(colour);
  painter.setFont(font());
  const QRect area = isDown() ? rect().translated(1, 1) : rect();
  painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace host::qt
