// What the screen shows of Form1 right after load, once the skin is applied.
#include <gtest/gtest.h>

#include "form1_window.h"
#include "pixels.h"

namespace {

using qtbench::countNear;
using qtbench::darkest;
using qtbench::describe;
using qtbench::dominantColor;
using qtbench::inner;
using qtbench::shown;

class SkinnedForm1 : public ::testing::Test {
 protected:
  qtbench::Form1Window w;
};

using qtbench::kTextPixels;

TEST_F(SkinnedForm1, FormShowsColorFondo) {
  const QImage form = shown(w.window());
  EXPECT_EQ(describe(dominantColor(form)), describe(qtbench::kColorFondo));
  // The strip below every control is the form's own background.
  EXPECT_EQ(describe(dominantColor(form, QRect(0, 260, 512, 79))), describe(qtbench::kColorFondo));
  EXPECT_EQ(countNear(form, qtbench::kColorFondo, 0, QRect(0, 260, 512, 79)), 512 * 79);
}

TEST_F(SkinnedForm1, CheckAndOptionBoxesShowColorFondoWithColorTextoLabels) {
  for (const char16_t* name : {u"Check1", u"Option1"}) {
    for (const std::int16_t index : {0, 1}) {
      SCOPED_TRACE(host::toUtf8(name) + "(" + std::to_string(index) + ")");
      const QImage box = shown(w.widget(name, index));
      EXPECT_EQ(describe(dominantColor(box)), describe(qtbench::kColorFondo));
      EXPECT_GE(countNear(box, qtbench::kColorTexto, 12), kTextPixels);
      EXPECT_EQ(describe(darkest(box)), describe(qtbench::kColorTexto));
    }
  }
}

TEST_F(SkinnedForm1, AllSevenCommandButtonsShowColorBotonFacesWithWhiteText) {
  std::vector<QWidget*> buttons = {&w.widget(u"cmdProbar")};
  for (const std::int16_t index : qtbench::kCommand1) buttons.push_back(&w.command1(index));
  for (QWidget* button : buttons) {
    SCOPED_TRACE(w.label(*button));
    const QImage face = shown(*button);
    EXPECT_EQ(describe(dominantColor(face, inner(face, 2))), describe(qtbench::kColorBoton));
    EXPECT_GE(countNear(face, qtbench::kBlanco, 16, inner(face, 2)), kTextPixels);
  }
}

TEST_F(SkinnedForm1, TextBoxesAreWhiteInsideWithColorTextoText) {
  for (const std::int16_t index : {0, 1}) {
    SCOPED_TRACE("Text1(" + std::to_string(index) + ")");
    const QImage box = shown(w.widget(u"Text1", index));
    EXPECT_EQ(describe(dominantColor(box, inner(box, 3))), describe(qtbench::kBlanco));
    EXPECT_GE(countNear(box, qtbench::kColorTexto, 12, inner(box, 3)), kTextPixels);
    EXPECT_EQ(describe(darkest(box, inner(box, 3))), describe(qtbench::kColorTexto));
  }
}

}  // namespace
