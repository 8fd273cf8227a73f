#include "host/qt/graphical_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "host/qt/contrast.h"
#include "host/qt/pixel_frame.h"

namespace host::qt {
namespace {

// A push button's style option as the button itself fills it. The button keeps the call to
// itself; a pointer to it, taken in a class derived from the button, may be called on any push
// button.
struct StyleOptionOf : QPushButton {
  static QStyleOptionButton of(const QPushButton& button) {
    QStyleOptionButton option;
    (button.*(&StyleOptionOf::initStyleOption))(&option);
    return option;
  }
};

}  // namespace

ButtonLook::ButtonLook(QPushButton& button)
    : button_(button),
      face_(button.palette().color(QPalette::Button)),
      text_(button.palette().color(QPalette::ButtonText)) {}

void ButtonLook::setGraphical(bool graphical) {
  graphical_ = graphical;
  button_.update();
}

void ButtonLook::setRaised(bool raised) {
  raised_ = raised;
  button_.update();
}

void ButtonLook::setFaceColor(const QColor& color) {
  face_ = color;
  button_.update();
}

void ButtonLook::setTextColor(const QColor& color) {
  text_ = color;
  button_.update();
}

void ButtonLook::paint() {
  if (!graphical_) {
    paintStandard();
    return;
  }
  QPainter painter(&button_);
  const PixelFrame frame(painter, button_.rect());
  const QColor face = button_.isDown() ? face_.darker(115) : face_;
  paintFace(painter, frame, face);
  paintCaption(painter);
  if (button_.hasFocus()) paintFocus(painter, frame, face);
}

// The platform style's look, with the text in the button's text colour.
void ButtonLook::paintStandard() {
  QStylePainter painter(&button_);
  QStyleOptionButton option = StyleOptionOf::of(button_);
  option.palette = standardPalette();
  painter.drawControl(QStyle::CE_PushButton, option);
}

const QPalette& ButtonLook::standardPalette() {
  constexpr std::size_t kKept = 4;
  const qint64 base = button_.palette().cacheKey();
  for (const TextPalette& kept : standardPalettes_) {
    if (kept.base == base && kept.text == text_.rgba()) return kept.palette;
  }
  QPalette colours = button_.palette();
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
void ButtonLook::paintFace(QPainter& painter, const PixelFrame& frame, const QColor& face) const {
  painter.fillRect(button_.rect(), face);
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
  if (button_.isDown()) {
    fillBand(painter, frame.band(0), shadow, light);
    fillBand(painter, frame.band(1), dark, face);
  } else {
    fillBand(painter, frame.band(0), light, shadow);
    fillBand(painter, frame.band(1), face, dark);
  }
}

// A ring two bands wide, inside the border or bevel with a band of face between, in black or
// white, whichever stands out more on this face: on any face the contrast is at least 4.5:1.
void ButtonLook::paintFocus(QPainter& painter, const PixelFrame& frame, const QColor& face) const {
  const QColor ring = strongestAgainst(face);
  for (const int band : {kFocusBand, kFocusBand + 1})
    fillBand(painter, frame.band(band), ring, ring);
}

void ButtonLook::paintCaption(QPainter& painter) const {
  const QColor colour = button_.isEnabled()
                            ? text_
                            : button_.palette().color(QPalette::Disabled, QPalette::ButtonText);
  painter.setPen(colour);
  painter.setFont(button_.font());
  const QRect area = button_.isDown() ? button_.rect().translated(1, 1) : button_.rect();
  painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic, button_.text());
}

}  // namespace host::qt
