#include "host/qt/graphical_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "host/qt/contrast.h"
#include "host/qt/pixel_frame.h"

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
  const PixelFrame frame(painter, rect());
  const QColor face = isDown() ? face_.darker(115) : face_;
  paintFace(painter, frame, face);
  paintCaption(painter);
  if (hasFocus()) paintFocus(painter, frame, face);
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

namespace {

void fillBand(QPainter& painter, const PixelFrame::Sides& band, const QColor& topLeft,
              const QColor& bottomRight) {
  painter.fillRect(band.top, topLeft);
  painter.fillRect(band.left, topLeft);
  painter.fillRect(band.bottom, bottomRight);
  painter.fillRect(band.right, bottomRight);
}

}  // namespace

// The border lies on whole device pixels: equally thick on every side at any scale, with no
// sliver of the face outside it.
void GraphicalButton::paintFace(QPainter& painter, const PixelFrame& frame,
                                const QColor& face) const {
  painter.fillRect(rect(), face);
  if (!raised_) {
    const QColor border = face.darker(170);
    fillBand(painter, frame.band(0), border, border);
    return;
  }
  // Raised: a light edge above and left, a shadow and a dark edge inside it below and right.
  // Pressed: a shadow and a dark edge inside it above and left, a light edge below and right.
  const QPalette bevel(face);
  const QColor light = bevel.color(QPalette::Light);
  const QColor shadow = bevel.color(QPalette::Shadow), dark = bevel.color(QPalette::Dark);
  if (isDown()) {
    fillBand(painter, frame.band(0), shadow, light);
    fillBand(painter, frame.band(1), dark, face);
  } else {
    fillBand(painter, frame.band(0), light, shadow);
    fillBand(painter, frame.band(1), face, dark);
  }
}

// A ring two bands wide, inside the border or bevel with a band of face between, in black or
// white, whichever stands out more on this face: on any face the contrast is at least 4.5:1.
void GraphicalButton::paintFocus(QPainter& painter, const PixelFrame& frame,
                                 const QColor& face) const {
  const QColor ring = strongestAgainst(face);
  for (const int band : {kFocusBand, kFocusBand + 1})
    fillBand(painter, frame.band(band), ring, ring);
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
