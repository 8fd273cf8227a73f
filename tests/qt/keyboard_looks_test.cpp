// Keyboard and legibility on the Qt host: where the focus starts, the focus ring on a graphical
// button's faces, and the check and option indicators on the skinned form under a dark theme.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <iostream>

#include "pixels.h"
#include "ventana.h"

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

// Gives "Aceptar" the face `value` and the focus, and checks the ring against `face`.
void expectRingStandsOut(qtbench::Form1Window& w, host::ColorValue value, const QColor& face) {
  activate(w.window());
  w.command1(0).setFocus();
  w.host.setProperty(w.control(u"Command1", 0), u"BackColor", Value::int32(value));
  const QColor ring = firstInnerMark(qtbench::shown(w.command1(0)), face);
  const double ratio = contrastRatio(ring, face);
  std::cout << "focus ring " << describe(ring) << " on " << describe(face) << ": " << ratio
            << ":1\n";
  EXPECT_GE(ratio, kLegible) << describe(ring) << " on " << describe(face);
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

// Every face the program gives a graphical button: the skin's, and the standard one.
TEST_F(Keyboard, FocusRingStandsOutOnEveryFace) {
  expectRingStandsOut(w, 0x00B48246, qtbench::kColorBoton);
  expectRingStandsOut(w, host::systemColor(15), standardFace());
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

class DarkTheme : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { QApplication::setPalette(darkTheme()); }
  static void TearDownTestSuite() {
    QApplication::setPalette(QApplication::style()->standardPalette());
  }

  // The indicator's pixels: the box of a check box, the circle of an option button.
  QImage indicator(QWidget& box, QStyle::SubElement element) const {
    QStyleOptionButton option;
    option.initFrom(&box);
    const QRect area = box.style()->subElementRect(element, &option, &box);
    return qtbench::shown(box).copy(area.adjusted(2, 2, -2, -2));
  }

  qtbench::Form1Window w;
};

TEST_F(DarkTheme, IndicatorsOnTheSkinnedFormAreLightAndTickingThemShowsPlainly) {
  struct Case {
    const char16_t* name;
    QStyle::SubElement element;
    Value ticked;
  };
  for (const Case& c : {Case{u"Check1", QStyle::SE_CheckBoxIndicator, Value::int16(1)},
                        Case{u"Option1", QStyle::SE_RadioButtonIndicator, Value::boolean(true)}}) {
    SCOPED_TRACE(host::toUtf8(c.name));
    QWidget& box = w.widget(c.name, 0);
    const QColor unticked = dominantColor(indicator(box, c.element));
    EXPECT_GT(contrastRatio(unticked, Qt::black), contrastRatio(unticked, Qt::white))
        << "the unticked indicator is dark: " << describe(unticked);

    w.host.setProperty(w.control(c.name, 0), u"Value", c.ticked);
    const QImage tickedImage = indicator(box, c.element);
    QColor mark = unticked;
    int strong = 0;
    for (int y = 0; y < tickedImage.height(); ++y) {
      for (int x = 0; x < tickedImage.width(); ++x) {
        const QColor pixel = tickedImage.pixelColor(x, y);
        if (contrastRatio(pixel, unticked) >= kLegible) ++strong;
        if (contrastRatio(pixel, unticked) > contrastRatio(mark, unticked)) mark = pixel;
      }
    }
    std::cout << host::toUtf8(c.name) << ": unticked " << describe(unticked) << ", mark "
              << describe(mark) << ": " << contrastRatio(mark, unticked) << ":1\n";
    EXPECT_GE(strong, 4) << "ticked looks like unticked: mark " << describe(mark) << " on "
                         << describe(unticked);
  }
}

TEST_F(DarkTheme, FocusRingStandsOutOnTheThemesStandardFace) {
  expectRingStandsOut(w, host::systemColor(15), standardFace());
}

}  // namespace
