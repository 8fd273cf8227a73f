// A graphical button's bands at the scale factor this process runs at (QT_SCALE_FACTOR): the flat
// border, the raised bevel at rest and held down, and the focus ring, each equally wide on all
// four sides, in whole device pixels, at its own distance from the edge.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>
#include <iostream>
#include <sstream>
#include <vector>

#include "form1_window.h"
#include "pixels.h"

namespace {

struct Crossing {
  int border = 0;            // border pixels crossed
  bool faceOutside = false;  // the face shows again right outside the border
};

// Walks from `start` (on the face) in steps of (dx, dy) to the image's edge: past the face, then
// over the border.
Crossing walkOut(const QImage& image, QPoint start, QPoint step, const QColor& face,
                 const QColor& border) {
  QPoint at = start;
  while (image.valid(at) && image.pixel(at) == face.rgb()) at += step;
  Crossing run;
  while (image.valid(at) && image.pixel(at) == border.rgb()) ++run.border, at += step;
  run.faceOutside = image.valid(at) && image.pixel(at) == face.rgb();
  return run;
}

TEST(Scale, FlatBorderIsEquallyWideOnEverySideWithNoFaceOutside) {
  qtbench::Form1Window w;
  w.widget(u"Text1", 0).setFocus();  // no focus ring on a button
  const double scale = w.window().devicePixelRatioF();
  const int expected = std::max(1, static_cast<int>(std::lround(scale)));
  const QImage window = w.window().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QColor face = qtbench::kColorBoton, border = face.darker(170);
  std::vector<QWidget*> buttons = {&w.widget(u"cmdProbar")};
  for (const std::int16_t index : qtbench::kCommand1) buttons.push_back(&w.command1(index));
  for (QWidget* button : buttons) {
    SCOPED_TRACE(w.label(*button) + " at scale " + std::to_string(scale));
    // A point of the face away from the caption, in device pixels.
    const QRect g = button->geometry();
    const QPoint inside(static_cast<int>((g.x() + g.width() * 0.1) * scale),
                        static_cast<int>((g.y() + g.height() * 0.2) * scale));
    ASSERT_EQ(qtbench::describe(window.pixelColor(inside)), qtbench::describe(face));
    const Crossing sides[] = {walkOut(window, inside, {-1, 0}, face, border),
                              walkOut(window, inside, {1, 0}, face, border),
                              walkOut(window, inside, {0, -1}, face, border),
                              walkOut(window, inside, {0, 1}, face, border)};
    const char* names[] = {"left", "right", "top", "bottom"};
    for (int side = 0; side < 4; ++side) {
      EXPECT_EQ(sides[side].border, expected) << names[side];
      EXPECT_FALSE(sides[side].faceOutside) << "face colour outside the " << names[side];
    }
  }
  std::cout << "scale " << scale << ": border " << expected << " device pixels on each side\n";
}

// One stretch of like pixels, or of like bands in an expectation.
struct Stretch {
  QColor colour;
  int length;
};

// Walks from `start` in steps of `step` to the image's edge, gathering the stretches met.
std::vector<Stretch> stretchesOut(const QImage& image, QPoint start, QPoint step) {
  std::vector<Stretch> stretches;
  for (QPoint at = start; image.valid(at); at += step) {
    const QColor pixel = image.pixelColor(at);
    if (stretches.empty() || stretches.back().colour != pixel) stretches.push_back({pixel, 0});
    ++stretches.back().length;
  }
  return stretches;
}

// "(70,130,180) (0,0,0) x4 ...", for the first `count`; the first one's length (the face's,
// from wherever the walk starts) left out.
std::string describe(const std::vector<Stretch>& stretches, std::size_t count) {
  std::ostringstream text;
  for (std::size_t i = 0; i < std::min(count, stretches.size()); ++i) {
    text << qtbench::describe(stretches[i].colour);
    if (i > 0) text << " x" << stretches[i].length;
    text << " ";
  }
  return text.str();
}

// Walking out from the face, top and left, then bottom and right: the face, then each band's
// colour and width in bands. Down is the pressed look; the focus ring is black or white,
// whichever stands out more on the face shown.
struct Look {
  const char* name;
  std::int16_t appearance;
  bool down;
  std::vector<Stretch> topLeft, bottomRight;
};

std::vector<Look> looks() {
  const QColor face = qtbench::kColorBoton, pressed = face.darker(115);
  const QPalette up(face), down(pressed);
  const QColor black(Qt::black), white(Qt::white);
  const std::vector<Stretch> flat = {{face, 0}, {black, 2}, {face, 2}, {face.darker(170), 1}};
  return {
      {"flat", 0, false, flat, flat},
      {"raised",
       1,
       false,
       {{face, 0}, {black, 2}, {face, 2}, {up.color(QPalette::Light), 1}},
       {{face, 0},
        {black, 2},
        {face, 1},
        {up.color(QPalette::Dark), 1},
        {up.color(QPalette::Shadow), 1}}},
      {"raised, held down",
       1,
       true,
       {{pressed, 0},
        {white, 2},
        {pressed, 1},
        {down.color(QPalette::Dark), 1},
        {down.color(QPalette::Shadow), 1}},
       {{pressed, 0}, {white, 2}, {pressed, 2}, {down.color(QPalette::Light), 1}}},
  };
}

TEST(Scale, BevelAndFocusRingLieInWholeBandsAtTheirDistanceFromEveryEdge) {
  qtbench::Form1Window w;
  auto& guardar = static_cast<QAbstractButton&>(w.command1(22));
  w.window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
  guardar.setFocus();
  const double scale = w.window().devicePixelRatioF();
  const int band = std::max(1, static_cast<int>(std::lround(scale)));
  const QRect g = guardar.geometry();
  const auto device = [scale](int x, int y) {
    return QPoint(static_cast<int>(x * scale), static_cast<int>(y * scale));
  };
  // Points of the face inside the ring, away from the caption, and the ways out from them.
  const int middle = g.y() + g.height() / 2;
  const struct {
    const char* side;
    QPoint start, step;
    bool topLeft;
  } sides[] = {{"left", device(g.x() + 8, middle), {-1, 0}, true},
               {"top", device(g.x() + 8, middle), {0, -1}, true},
               {"right", device(g.right() - 8, middle), {1, 0}, false},
               {"bottom", device(g.right() - 8, middle), {0, 1}, false}};
  for (const Look& look : looks()) {
    w.host().setProperty(w.control(u"Command1", 22), u"Appearance",
                         host::Value::int16(look.appearance));
    guardar.setDown(look.down);
    ASSERT_TRUE(guardar.hasFocus());
    const QImage window = w.window().grab().toImage();
    for (const auto& side : sides) {
      SCOPED_TRACE(std::string(look.name) + ", " + side.side + ", scale " + std::to_string(scale));
      std::vector<Stretch> expected = side.topLeft ? look.topLeft : look.bottomRight;
      for (Stretch& stretch : expected) stretch.length *= band;
      const std::vector<Stretch> seen = stretchesOut(window, side.start, side.step);
      EXPECT_EQ(describe(seen, expected.size()), describe(expected, expected.size()));
      if (seen.size() > expected.size()) {
        EXPECT_NE(qtbench::describe(seen[expected.size()].colour),
                  qtbench::describe(expected.front().colour))
            << "face colour outside the bands";
      }
    }
  }
}

}  // namespace
