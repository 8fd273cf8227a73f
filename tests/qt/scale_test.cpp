// A graphical button's flat border at the scale factor this process runs at (QT_SCALE_FACTOR):
// equally wide on all four sides, in whole device pixels, with none of the face outside it.
#include <gtest/gtest.h>

#include <QApplication>
#include <cmath>
#include <iostream>

#include "pixels.h"
#include "ventana.h"

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

}  // namespace
