// The standard (Style 0) look of a command button on the Qt host: its text shows the button's
// "ForeColor", and going back and forth between text colours does not make the heap grow (the
// platform style's pixmap cache must see the same palette again for the same colour).
#include <gtest/gtest.h>
#include <malloc.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstdlib>

#include "host/qt/qt_host.h"
#include "testbench/form1_definicion.h"

namespace {

using host::Value;

bool near(QRgb pixel, QRgb colour) {
  const auto close = [](int a, int b) { return std::abs(a - b) < 90; };
  return close(qRed(pixel), qRed(colour)) && close(qGreen(pixel), qGreen(colour)) &&
         close(qBlue(pixel), qBlue(colour));
}

class StandardLook : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = host_.createForm(testbench::DefinicionForm1());
    host_.widget(form_)->show();
    button_ = host_.control(form_, u"Command1", 2);
    host_.setProperty(button_, u"Style", Value::int16(0));
  }

  void setTextColour(int red, int green, int blue) {
    host_.setProperty(button_, u"ForeColor", Value::int32(host_.rgb(red, green, blue)));
  }
  void paint() { host_.widget(button_)->grab(); }
  void paintInEachTextColour() {
    setTextColour(255, 255, 255);
    paint();
    setTextColour(0, 0, 0);
    paint();
  }

  // Pixels of the button close to a pure colour (the text is antialiased).
  int pixelsOf(QRgb colour) {
    const QImage image =
        host_.widget(button_)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += near(image.pixel(x, y), colour);
    }
    return count;
  }

  host::qt::QtHost host_;
  host::FormRef form_;
  host::ControlRef button_;
};

TEST_F(StandardLook, TextShowsTheForeColorAndFollowsItsChanges) {
  setTextColour(255, 0, 0);
  EXPECT_GT(pixelsOf(0xFF0000), 10);
  setTextColour(0, 0, 255);
  EXPECT_EQ(pixelsOf(0xFF0000), 0);
  EXPECT_GT(pixelsOf(0x0000FF), 10);
  setTextColour(255, 0, 0);
  EXPECT_GT(pixelsOf(0xFF0000), 10);
}

#ifndef SKINBENCH_SANITIZED  // the sanitizers keep their own books of the heap
TEST_F(StandardLook, AlternatingTextColoursDoNotGrowTheHeap) {
  for (int round = 0; round < 20; ++round) paintInEachTextColour();
  const std::size_t before = mallinfo2().uordblks;
  for (int round = 0; round < 1000; ++round) paintInEachTextColour();
  const std::size_t after = mallinfo2().uordblks;
  EXPECT_LT(after, before + 64 * 1024) << "heap in use grew from " << before << " to " << after;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  return RUN_ALL_TESTS();
}
