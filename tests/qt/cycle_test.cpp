// Presses of "PROBAR" on the Qt host: the caption after each, what the six Command1 buttons show,
// a press handled inside a yield of method 9, and the controls that run nothing of the program.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMetaObject>
#include <QRadioButton>
#include <QTest>
#include <string>

#include "form1_window.h"
#include "pixels.h"
#include "tests/support/captions.h"

namespace {

using qtbench::countNear;
using qtbench::describe;
using qtbench::dominantColor;
using qtbench::inner;
using qtbench::shown;

using support::kCaptions;

using qtbench::kTextPixels;

class TestCycle : public ::testing::Test {
 protected:
  void expectColourFace(QWidget& button) {
    SCOPED_TRACE(w.label(button));
    const QImage face = shown(button);
    EXPECT_EQ(describe(dominantColor(face, inner(face, 2))), describe(qtbench::kColorBoton));
    EXPECT_GE(countNear(face, qtbench::kBlanco, 16, inner(face, 2)), kTextPixels);
  }
  // The platform's own painting: no pixel of the button colour. With `darkText`, the text is in
  // the standard button text colour, dark on the light face.
  void expectStandardFace(QWidget& button, bool darkText = true) {
    SCOPED_TRACE(w.label(button));
    const QImage face = shown(button);
    EXPECT_EQ(countNear(face, qtbench::kColorBoton, 24), 0);
    const QColor text = qtbench::darkest(face, inner(face, 4));
    if (darkText) {
      EXPECT_LT(text.red() + text.green() + text.blue(), 150) << describe(text);
    }
  }
  void expectCommand1Faces(bool colour) {
    for (const std::int16_t index : qtbench::kCommand1) {
      QWidget& button = w.command1(index);
      colour ? expectColourFace(button) : expectStandardFace(button);
    }
  }

  qtbench::Form1Window w;
};

TEST_F(TestCycle, ElevenPressesGiveTheTenCaptionsAndFacesThenMethodOneAgain) {
  const std::vector<QRect> places = [&] {
    std::vector<QRect> list;
    for (const std::int16_t index : qtbench::kCommand1)
      list.push_back(w.command1(index).geometry());
    return list;
  }();
  for (int press = 1; press <= 11; ++press) {
    SCOPED_TRACE("press " + std::to_string(press));
    w.press();
    const int method = press > 10 ? press - 10 : press;
    EXPECT_EQ(w.caption().toStdString(), kCaptions[method - 1]);
    EXPECT_EQ(w.metodoActual(), method);
    expectCommand1Faces(method != 10);
    expectColourFace(w.widget(u"cmdProbar"));
    for (std::size_t i = 0; i < places.size(); ++i) {
      EXPECT_EQ(w.command1(qtbench::kCommand1[i]).geometry(), places[i]);
      EXPECT_TRUE(w.command1(qtbench::kCommand1[i]).isEnabled());
    }
  }
}

TEST_F(TestCycle, RealMouseClicksOnProbarRunTheCycle) {
  QTest::mouseClick(&w.button(u"cmdProbar"), Qt::LeftButton);
  EXPECT_EQ(w.caption().toStdString(), kCaptions[0]);
  QTest::mouseClick(&w.button(u"cmdProbar"), Qt::LeftButton);
  EXPECT_EQ(w.caption().toStdString(), kCaptions[1]);
  EXPECT_EQ(w.metodoActual(), 2);
}

// A click waiting in the queue when the ninth press starts is handled inside method 9's first
// yield: it runs method 10 on every button, then the ninth press finishes method 9 on the rest
// of the first button and on all the others, and writes the caption of the number now current.
TEST_F(TestCycle, ClickQueuedBeforeTheNinthPressRunsNestedInItsFirstYield) {
  w.press(8);
  QAbstractButton& probar = w.button(u"cmdProbar");
  ASSERT_TRUE(QMetaObject::invokeMethod(&probar, "click", Qt::QueuedConnection));
  w.press();
  EXPECT_EQ(w.metodoActual(), 10);
  EXPECT_EQ(w.caption().toStdString(), kCaptions[9]);
  // The first button had only "Style" 1 from method 9 before the nested press reset it to the
  // standard look; its later steps (the colours) cannot bring the graphical face back, and its
  // text is now white on the standard face.
  const host::ControlRef first = w.control(u"Command1", qtbench::kCommand1.front());
  EXPECT_EQ(w.host().getProperty(first, u"Style"), host::Value::int16(0));
  EXPECT_EQ(w.host().getProperty(first, u"ForeColor"), host::Value::int32(0xFFFFFF));
  expectStandardFace(w.command1(qtbench::kCommand1.front()), false);
  for (std::size_t i = 1; i < qtbench::kCommand1.size(); ++i) {
    expectColourFace(w.command1(qtbench::kCommand1[i]));
  }
  w.press();
  EXPECT_EQ(w.caption().toStdString(), kCaptions[0]);
  expectCommand1Faces(true);
}

TEST_F(TestCycle, OtherControlsChangeNeitherMetodoActualNorTheCaption) {
  w.press(3);
  const QString caption = w.caption();
  QTest::mouseClick(&w.button(u"Command1", 0), Qt::LeftButton);
  w.button(u"Command1", 22).click();
  auto& text = static_cast<QLineEdit&>(w.widget(u"Text1", 1));
  QTest::keyClicks(&text, "hola");
  auto& check = static_cast<QCheckBox&>(w.widget(u"Check1", 0));
  QTest::mouseClick(&check, Qt::LeftButton, {}, QPoint(8, check.height() / 2));
  auto& option = static_cast<QRadioButton&>(w.widget(u"Option1", 1));
  QTest::mouseClick(&option, Qt::LeftButton, {}, QPoint(8, option.height() / 2));
  QApplication::processEvents();
  // The controls did their own part...
  EXPECT_EQ(text.text(), "Text1hola");
  EXPECT_TRUE(check.isChecked());
  EXPECT_TRUE(option.isChecked());
  // ...and nothing of the program ran.
  EXPECT_EQ(w.metodoActual(), 3);
  EXPECT_EQ(w.caption(), caption);
  expectCommand1Faces(true);
  w.press();
  EXPECT_EQ(w.caption().toStdString(), kCaptions[3]);
}

}  // namespace
