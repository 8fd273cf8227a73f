#include "host/qt/indicator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

#include "host/qt/contrast.h"

namespace host::qt {
namespace {

constexpr double kLegible = 3.0;  // the least contrast of a mark or a boundary

// The background the box shows with `colours`: its own where it fills it, its parent's
// otherwise.
QColor groundOf(const QWidget& box, const QPalette& colours) {
  if (box.autoFillBackground() || !box.parentWidget()) return colours.color(box.backgroundRole());
  const QWidget& parent = *box.parentWidget();
  return parent.palette().color(parent.backgroundRole());
}

QColor mixed(const QColor& from, const QColor& to, double share) {
  const auto channel = [share](int a, int b) {
    return static_cast<int>(a + (b - a) * share + 0.5);
  };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

bool isOption(const QAbstractButton& box) {
  return qobject_cast<const QRadioButton*>(&box) != nullptr;
}

// The unticked indicator as the box's style lays it out (not hovered, pressed or focused), with
// a pixel of ground all round.
QStyleOptionButton untickedLook(const QAbstractButton& box) {
  QStyleOptionButton look;
  look.initFrom(&box);
  look.state = QStyle::State_Enabled | QStyle::State_Off;
  look.rect = box.style()->subElementRect(
      isOption(box) ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &look, &box);
  look.rect.moveTo(1, 1);
  return look;
}

// The indicator drawn by the box's style as `look` lays it out, on `ground`, at `scale`.
QImage drawn(const QAbstractButton& box, const QStyleOptionButton& look, const QColor& ground,
             qreal scale) {
  QImage image((QSizeF(look.rect.size() + QSize(2, 2)) * scale).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(ground);
  QPainter painter(&image);
  box.style()->drawPrimitive(
      isOption(box) ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &look,
      &painter, &box);
  return image;
}

// How plainly the drawn indicator's boundary shows on `ground`: walking in from the middle of
// each side to the centre, the strongest contrast met; the weakest side counts.
double boundaryContrast(const QImage& image, const QColor& ground) {
  const QPoint centre(image.width() / 2, image.height() / 2);
  const QPoint starts[] = {{0, centre.y()},
                           {image.width() - 1, centre.y()},
                           {centre.x(), 0},
                           {centre.x(), image.height() - 1}};
  double weakest = 21;
  for (const QPoint start : starts) {
    const QPoint step((centre.x() > start.x()) - (centre.x() < start.x()),
                      (centre.y() > start.y()) - (centre.y() < start.y()));
    double strongest = 1;
    for (QPoint at = start; at != centre; at += step) {
      strongest = std::max(strongest, contrast(image.pixelColor(at), ground));
    }
    weakest = std::min(weakest, strongest);
  }
  return weakest;
}

// Styles draw an indicator's outline in a shade of the window colour, often one too faint to
// make out on a light background. The least move of the window colour the box would inherit,
// towards black or white, that brings the boundary, as the box's own style draws it in
// `colours`, to the legible contrast; no move where none does, as with a style that outlines in
// other colours.
QColor fittedWindow(const QAbstractButton& box, const QPalette& colours, const QColor& window,
                    const QColor& ground) {
  constexpr int kSteps = 16;
  const QColor far = strongestAgainst(ground);
  QStyleOptionButton look = untickedLook(box);
  look.palette = colours;
  const qreal scale = box.devicePixelRatioF();
  for (int step = 0; step <= kSteps; ++step) {
    const QColor candidate = mixed(window, far, static_cast<double>(step) / kSteps);
    look.palette.setColor(QPalette::Window, candidate);
    if (boundaryContrast(drawn(box, look, ground, scale), ground) >= kLegible) return candidate;
  }
  return window;
}

// A check box or option button draws its indicator in the base colour and its mark in the text
// colour, both the theme's; the label in the window text colour, which "ForeColor" sets. On a
// background of the program's own, a dark theme's base would show as a solid dark box, and its
// light mark would vanish on a light box. So the indicator keeps the theme's base only where
// that is as light or as dark as the background, and is white or black otherwise; the mark takes
// the label's colour where that stands out on the indicator, and black or white otherwise.
IndicatorFits::Look fittedLook(const QAbstractButton& box, QPalette colours,
                               const IndicatorFits::Input& input) {
  const QColor ground = QColor::fromRgba(input.ground);
  const QColor themeBase = QGuiApplication::palette().color(QPalette::Base);
  const QColor label = QColor::fromRgba(input.label);
  IndicatorFits::Look look;
  look.fill = isLight(themeBase) == isLight(ground) ? themeBase : strongestAgainst(themeBase);
  look.mark = contrast(label, look.fill) >= kLegible ? label : strongestAgainst(look.fill);
  colours.setColor(QPalette::Base, look.fill);
  colours.setColor(QPalette::Text, look.mark);
  look.window = fittedWindow(box, colours, QColor::fromRgba(input.window), ground);
  return look;
}

// Sets `role` to `colour` in every colour group, as QPalette::setColor does, unless the palette
// has it so already: a palette that is not changed is neither copied nor given new brushes.
void setColorOnce(QPalette& colours, QPalette::ColorRole role, const QColor& colour) {
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QBrush& brush = colours.brush(group, role);
    if (!colours.isBrushSet(group, role) || brush.style() != Qt::SolidPattern ||
        brush.color() != colour) {
      colours.setColor(role, colour);
      return;
    }
  }
}

}  // namespace

void IndicatorFits::watchApplication() {
  if (watching_) return;
  QCoreApplication::instance()->installEventFilter(this);
  watching_ = true;
}

bool IndicatorFits::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::StyleChange) {
    kept_.clear();
  }
  return false;
}

void fitIndicator(const QAbstractButton& box, QPalette& colours, IndicatorFits& fits,
                  std::uint64_t& held) {
  const QWidget* parent = box.parentWidget();
  const QPalette& inherited = parent ? parent->palette() : QGuiApplication::palette();
  const IndicatorFits::Input input{box.style(),
                                   isOption(box),
                                   box.devicePixelRatioF(),
                                   box.logicalDpiY(),
                                   colours.currentColorGroup(),
                                   groundOf(box, colours).rgba(),
                                   colours.color(QPalette::WindowText).rgba(),
                                   inherited.color(QPalette::Window).rgba()};
  const IndicatorFits::Look& look =
      fits.lookFor(input, [&] { return fittedLook(box, colours, input); });
  if (look.serial == held) return;
  setColorOnce(colours, QPalette::Base, look.fill);
  setColorOnce(colours, QPalette::Text, look.mark);
  setColorOnce(colours, QPalette::Window, look.window);
  held = look.serial;
}

}  // namespace host::qt
