#include "host/qt/graphical_button.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

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
  update();
}

void GraphicalButton::paintEvent(QPaintEvent* /*event*/) {
  if (!graphical_) {
    paintStandard();
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

// The platform style's look, with the text in the button's text colour.
void GraphicalButton::paintStandard() {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.palette = standardPalette();
  painter.drawControl(QStyle::CE_PushButton, option);
}

const QPalette& GraphicalButton::standardPalette() {
  constexpr std::size_t kKept = 4;
  const qint64 base = palette().cacheKey();
  for (const TextPalette& kept : standardPalettes_) {
    if (kept.base == base && kept.text == text_.rgba()) return kept.palette;
  }
  QPalette colours = palette();
  colours.setColor(QPalette::ButtonText, text_);
  if (standardPalettes_.size() == kKept) standardPalettes_.pop_front();
  standardPalettes_.push_back({base, text_.rgba(), colours});
  return standardPalettes_.back().palette;
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
