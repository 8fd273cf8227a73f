// Keyboard, screen readers and legibility on the Qt host: where the focus starts, the focus ring
// on a graphical button's faces, each control's place among the window's accessible children,
// and the check and option indicators in a light and a dark theme, on the skinned form and on
// one whose boxes are given only a background.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "form1_window.h"
#include "host/project.h"
#include "pixels.h"

namespace {

using host::Value;
using qtbench::contrastRatio;
using qtbench::describe;
using qtbench::dominantColor;

constexpr double kLegible = 3.0;

// The colour `button` shows first, walking its top quarter row in from the left edge, that is
// neither its border nor its face: the focus ring, left of the caption.
QColor firstInnerMark(const QImage& image, const QColor& face) {
  const int y = image.height() / 4;
  for (int x = 1; x < image.width() / 3; ++x) {
    const QColor pixel = image.pixelColor(x, y);
    if (pixel != face && image.pixelColor(x - 1, y) == face) return pixel;
  }
  return face;
}

void activate(QWidget& window) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Gives "Aceptar" the face `value` and the focus, and checks that the ring shows in `ring`, and
// plainly, on `face`.
void expectRing(qtbench::Form1Window& w, host::ColorValue value, const QColor& face,
                const QColor& ring) {
  activate(w.window());
  w.command1(0).setFocus();
  w.host().setProperty(w.control(u"Command1", 0), u"BackColor", Value::int32(value));
  const QColor shown = firstInnerMark(qtbench::shown(w.command1(0)), face);
  const double ratio = contrastRatio(shown, face);
  std::cout << "focus ring " << describe(shown) << " on " << describe(face) << ": " << ratio
            << ":1\n";
  EXPECT_EQ(describe(shown), describe(ring)) << "on " << describe(face);
  EXPECT_GE(ratio, kLegible) << describe(shown) << " on " << describe(face);
}

QColor standardFace() {
  return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

class Keyboard : public ::testing::Test {
 protected:
  qtbench::Form1Window w;
};

TEST_F(Keyboard, FocusStartsOnTabPositionZero) {
  EXPECT_EQ(w.window().focusWidget(), &w.command1(0)) << "before the window is active";
  activate(w.window());
  EXPECT_EQ(QApplication::focusWidget(), &w.command1(0));
}

// The faces the program gives a graphical button, the skin's and the standard one, and saturated
// ones on which black and white may both pass but one stands out more.
TEST_F(Keyboard, FocusRingIsBlackOrWhiteWhicheverStandsOutMoreOnEveryFace) {
  const struct {
    host::ColorValue value;
    QColor face, ring;
  } faces[] = {{0x00B48246, qtbench::kColorBoton, Qt::black},
               {host::systemColor(15), standardFace(), Qt::black},
               {0x000000FF, QColor(255, 0, 0), Qt::black},
               {0x00FF0000, QColor(0, 0, 255), Qt::white},
               {0x0000FFFF, QColor(255, 255, 0), Qt::black},
               {0x0000FF00, QColor(0, 255, 0), Qt::black},
               {0x00008000, QColor(0, 128, 0), Qt::white},
               {0x00800080, QColor(128, 0, 128), Qt::white}};
  for (const auto& face : faces) expectRing(w, face.value, face.face, face.ring);
}

// Held down, the face darkens and the ring is chosen on the face shown: on mid grey white stands
// out more once pressed, where black does at rest.
TEST_F(Keyboard, FocusRingOfAHeldDownButtonIsChosenOnItsPressedFace) {
  auto& aceptar = static_cast<QAbstractButton&>(w.command1(0));
  aceptar.setDown(true);
  const QColor pressed = QColor(128, 128, 128).darker(115).rgb();  // as 8-bit channels
  expectRing(w, 0x00808080, pressed, Qt::white);
  aceptar.setDown(false);
}

// A screen reader asks a control for its index in the window and then for the window's child at
// that index: both must name the same control, in tab order.
TEST_F(Keyboard, EachAccessibleControlIsAtItsIndexInTabOrder) {
  std::vector<std::pair<std::int16_t, QObject*>> tabOrder;
  for (const host::ControlRef control : w.host().controlsOf(w.form())) {
    tabOrder.emplace_back(w.host().getProperty(control, u"TabIndex").asInt16(),
                          w.host().widget(control));
  }
  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w.window());
  ASSERT_EQ(window->childCount(), static_cast<int>(tabOrder.size()));
  for (int i = 0; i < window->childCount(); ++i) {
    QAccessibleInterface* child = window->child(i);
    ASSERT_NE(child, nullptr) << i;
    EXPECT_EQ(child->object(), tabOrder[static_cast<std::size_t>(i)].second) << i;
    EXPECT_EQ(child->parent()->indexOfChild(child), i)
        << child->text(QAccessible::Name).toStdString();
  }
}

// A dark theme, as a desktop's platform theme hands it to the application.
QPalette darkTheme() {
  QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(role, QColor(230, 230, 230));
  }
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  return dark;
}

// The check box and the option button of the skinned form, with the values that tick them.
struct Indicator {
  const char16_t* name;
  QStyle::SubElement element;
  Value ticked;
};
const Indicator kIndicators[] = {
    {u"Check1", QStyle::SE_CheckBoxIndicator, Value::int16(1)},
    {u"Option1", QStyle::SE_RadioButtonIndicator, Value::boolean(true)}};

// The indicator's area in the box: the square of a check box, the circle of an option button.
QRect indicatorArea(QWidget& box, QStyle::SubElement element) {
  QStyleOptionButton option;
  option.initFrom(&box);
  return box.style()->subElementRect(element, &option, &box);
}

// How plainly an indicator's boundary shows on the form: walking from just outside the middle
// of each side to the centre, the strongest contrast with the form met; the weakest side counts.
double boundaryContrast(QWidget& box, QStyle::SubElement element) {
  const QImage image = qtbench::shown(box);
  const QRect area = indicatorArea(box, element).adjusted(-1, -1, 1, 1) & image.rect();
  const QPoint centre = area.center();
  double weakest = 21;
  const QPoint edges[] = {{area.left(), centre.y()},
                          {area.right(), centre.y()},
                          {centre.x(), area.top()},
                          {centre.x(), area.bottom()}};
  for (const QPoint edge : edges) {
    const QPoint step = (centre - edge) / std::max(1, (centre - edge).manhattanLength());
    double strongest = 1;
    for (QPoint at = edge; at != centre; at += step) {
      strongest = std::max(strongest, contrastRatio(image.pixelColor(at), qtbench::kColorFondo));
    }
    weakest = std::min(weakest, strongest);
  }
  return weakest;
}

// The inside of the indicator, without its boundary.
QImage indicatorInside(QWidget& box, QStyle::SubElement element) {
  return qtbench::shown(box).copy(indicatorArea(box, element).adjusted(2, 2, -2, -2));
}

// In any theme, on the skinned form: an unticked indicator is light, its boundary stands out on
// the form, and ticking it shows plainly, with the label's colour as loaded and with a light one,
// which the mark must not take on a light indicator.
void expectIndicatorsShowPlainly(qtbench::Form1Window& w) {
  struct Label {
    std::int16_t index;  // of the box in its array, unticked as loaded
    std::optional<host::ColorValue> foreColor;
  };
  for (const Label label : {Label{0, std::nullopt}, Label{1, 0x00FFFFFF}}) {
    for (const Indicator& c : kIndicators) {
      SCOPED_TRACE(host::toUtf8(c.name) + "(" + std::to_string(label.index) + ")");
      const host::ControlRef control = w.control(c.name, label.index);
      if (label.foreColor) {
        w.host().setProperty(control, u"ForeColor", Value::int32(*label.foreColor));
      }
      QWidget& box = w.widget(c.name, label.index);
      const double boundary = boundaryContrast(box, c.element);
      EXPECT_GE(boundary, kLegible) << "the unticked boundary is faint";
      const QColor unticked = dominantColor(indicatorInside(box, c.element));
      EXPECT_GT(contrastRatio(unticked, Qt::black), contrastRatio(unticked, Qt::white))
          << "the unticked indicator is dark: " << describe(unticked);

      w.host().setProperty(control, u"Value", c.ticked);
      const QImage tickedImage = indicatorInside(box, c.element);
      QColor mark = unticked;
      int strong = 0;
      for (int y = 0; y < tickedImage.height(); ++y) {
        for (int x = 0; x < tickedImage.width(); ++x) {
          const QColor pixel = tickedImage.pixelColor(x, y);
          if (contrastRatio(pixel, unticked) >= kLegible) ++strong;
          if (contrastRatio(pixel, unticked) > contrastRatio(mark, unticked)) mark = pixel;
        }
      }
      std::cout << host::toUtf8(c.name) << (label.foreColor ? " (white label)" : "")
                << ": boundary " << boundary << ":1 on the form, unticked " << describe(unticked)
                << ", mark " << describe(mark) << ": " << contrastRatio(mark, unticked) << ":1\n";
      EXPECT_GE(strong, 4) << "ticked looks like unticked: mark " << describe(mark) << " on "
                           << describe(unticked);
    }
  }
}

// Form1 with no code: nothing skins it, as with a form the program adopts, whose boxes may be
// given a background and no label colour.
host::Project form1WithoutCode() {
  struct NoCode final : host::FormCode {
    std::vector<host::HandlerBinding> handlers() override { return {}; }
  };
  host::Project project = testbench::ProyectoForm1();
  project.createCode = [](host::FormsHost&, host::FormRef) { return std::make_unique<NoCode>(); };
  return project;
}

// The boxes of a form the skin never saw, given only the skin's background: their indicators
// are fitted to it all the same.
void expectIndicatorsOnABackColorAloneShowPlainly() {
  constexpr host::ColorValue kSkinGround = 0x00EEECEB;  // qtbench::kColorFondo
  qtbench::Form1Window adopted(form1WithoutCode());
  for (const Indicator& c : kIndicators) {
    for (const std::int16_t index : {0, 1}) {
      adopted.host().setProperty(adopted.control(c.name, index), u"BackColor",
                                 Value::int32(kSkinGround));
    }
  }
  expectIndicatorsShowPlainly(adopted);
}

class LightTheme : public ::testing::Test {
 protected:
  qtbench::Form1Window w;
};

TEST_F(LightTheme, IndicatorsOnTheSkinnedFormShowPlainly) {
  expectIndicatorsShowPlainly(w);
}

TEST_F(LightTheme, IndicatorsGivenOnlyABackColorShowPlainly) {
  expectIndicatorsOnABackColorAloneShowPlainly();
}

class DarkTheme : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { QApplication::setPalette(darkTheme()); }
  static void TearDownTestSuite() {
    QApplication::setPalette(QApplication::style()->standardPalette());
  }

  qtbench::Form1Window w;
};

TEST_F(DarkTheme, IndicatorsOnTheSkinnedFormShowPlainly) {
  expectIndicatorsShowPlainly(w);
}

TEST_F(DarkTheme, IndicatorsGivenOnlyABackColorShowPlainly) {
  expectIndicatorsOnABackColorAloneShowPlainly();
}

TEST_F(DarkTheme, FocusRingStandsOutOnTheThemesStandardFace) {
  expectRing(w, host::systemColor(15), standardFace(), Qt::white);
}

}  // namespace
