// How the Qt host shows the colour and look members: a standard button's colours, the flat and
// the raised graphical face, a check box's own background, and when a change reaches the screen.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "form1_window.h"
#include "pixels.h"

namespace {

using host::Value;
using qtbench::countNear;
using qtbench::describe;
using qtbench::dominantColor;
using qtbench::inner;
using qtbench::shown;
using qtbench::shownNow;

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 160, 0);
constexpr host::ColorValue kRedValue = 0x000000FF;
constexpr host::ColorValue kGreenValue = 0x0000A000;

int brightness(const QColor& colour) {
  return colour.red() + colour.green() + colour.blue();
}

class Painting : public ::testing::Test {
 protected:
  void set(host::ControlRef control, const char16_t* member, Value value) {
    w.host().setProperty(control, member, value);
  }

  qtbench::Form1Window w;
  host::ControlRef buscar = w.control(u"Command1", 2);
};

TEST_F(Painting, StandardButtonShowsItsForeColorButNotItsBackColor) {
  set(buscar, u"Style", Value::int16(0));
  set(buscar, u"BackColor", Value::int32(kRedValue));
  set(buscar, u"ForeColor", Value::int32(kGreenValue));
  const QImage standard = shown(w.command1(2));
  EXPECT_EQ(countNear(standard, kRed, 60), 0);
  EXPECT_GE(countNear(standard, kGreen, 12), 8);
  EXPECT_EQ(w.host().getProperty(buscar, u"BackColor"), Value::int32(kRedValue));

  set(buscar, u"Style", Value::int16(1));
  const QImage graphical = shown(w.command1(2));
  EXPECT_EQ(describe(dominantColor(graphical, inner(graphical, 2))), describe(kRed));
  EXPECT_GE(countNear(graphical, kGreen, 12), 8);
}

// Flat: a thin dark border all round and the face right inside it. Raised: a light top and left
// edge and a dark bottom and right edge.
TEST_F(Painting, AppearanceOneRaisesTheGraphicalFaceAndZeroFlattensIt) {
  QWidget& button = w.command1(2);
  const int middle = button.width() / 2;
  const int bottom = button.height() - 1;
  const int face = brightness(qtbench::kColorBoton);

  const QImage flat = shown(button);
  EXPECT_LT(brightness(flat.pixelColor(middle, 0)), face);
  EXPECT_LT(brightness(flat.pixelColor(0, button.height() / 2)), face);
  EXPECT_EQ(describe(flat.pixelColor(middle, 1)), describe(qtbench::kColorBoton));
  EXPECT_EQ(describe(flat.pixelColor(1, 1)), describe(qtbench::kColorBoton));

  set(buscar, u"Appearance", Value::int16(1));
  const QImage raised = shown(button);
  EXPECT_GT(brightness(raised.pixelColor(middle, 0)), face);
  EXPECT_GT(brightness(raised.pixelColor(0, button.height() / 2)), face);
  EXPECT_LT(brightness(raised.pixelColor(middle, bottom)), face);
  EXPECT_LT(brightness(raised.pixelColor(button.width() - 1, button.height() / 2)), face);
  EXPECT_EQ(describe(dominantColor(raised, inner(raised, 2))), describe(qtbench::kColorBoton));
}

TEST_F(Painting, CheckBoxShowsItsOwnBackColorAndForeColor) {
  const host::ControlRef check = w.control(u"Check1", 0);
  set(check, u"BackColor", Value::int32(kRedValue));
  set(check, u"ForeColor", Value::int32(kGreenValue));
  const QImage box = shown(w.widget(u"Check1", 0));
  EXPECT_EQ(describe(dominantColor(box)), describe(kRed));
  EXPECT_GE(countNear(box, kGreen, 12), 8);
  // The form around it keeps its own background.
  const QImage form = shown(w.window());
  EXPECT_EQ(describe(form.pixelColor(8, 210)), describe(qtbench::kColorFondo));
}

// A property change shows at the next paint; "Refresh" and the form's refresh paint at once.
TEST_F(Painting, ChangeShowsAtTheNextPaintAndRefreshPaintsAtOnce) {
  set(buscar, u"BackColor", Value::int32(kRedValue));
  const QImage pending = shownNow(w.command1(2));
  ASSERT_EQ(describe(dominantColor(pending, inner(pending, 2))), describe(qtbench::kColorBoton))
      << "a change should only schedule a repaint";
  w.host().callMethod(buscar, u"Refresh", {});
  const QImage refreshed = shownNow(w.command1(2));
  EXPECT_EQ(describe(dominantColor(refreshed, inner(refreshed, 2))), describe(kRed));
}

TEST_F(Painting, FormRefreshPaintsEveryControlAtOnce) {
  const host::ControlRef guardar = w.control(u"Command1", 22);
  const host::ControlRef text = w.control(u"Text1", 0);
  set(guardar, u"BackColor", Value::int32(kRedValue));
  set(text, u"BackColor", Value::int32(kGreenValue));
  w.host().refresh(w.form());
  const QImage button = shownNow(w.command1(22));
  const QImage box = shownNow(w.widget(u"Text1", 0));
  EXPECT_EQ(describe(dominantColor(button, inner(button, 2))), describe(kRed));
  EXPECT_EQ(describe(dominantColor(box, inner(box, 3))), describe(kGreen));
}

TEST_F(Painting, SystemColoursComeFromThePalette) {
  set(buscar, u"BackColor", Value::int32(host::systemColor(15)));
  const QImage face = shown(w.command1(2));
  EXPECT_EQ(describe(dominantColor(face, inner(face, 2))),
            describe(QGuiApplication::palette().color(QPalette::Active, QPalette::Button)));
}

}  // namespace
