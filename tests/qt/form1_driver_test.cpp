// The driver's settle, on which the tour's read-backs and the benchmarks' painted presses rely:
// it returns only once no event is left, those that events post and the painting included.
#include <gtest/gtest.h>

#include <QEvent>
#include <QMetaObject>
#include <QTest>
#include <QWidget>
#include <functional>

#include "driver/qt/form1_driver.h"

namespace {

class PaintCount : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint ? 1 : 0;
    return false;
  }
};

TEST(Form1DriverSettle, RunsEventsThatEventsPostAndThePaintingTheyCause) {
  QWidget window;
  window.resize(40, 40);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  driver::qt::settle();
  PaintCount count;
  window.installEventFilter(&count);
  int ran = 0;
  // Each step posts the next; the last asks for a repaint.
  std::function<void()> step = [&] {
    if (++ran < 3) {
      QMetaObject::invokeMethod(&window, step, Qt::QueuedConnection);
    } else {
      window.update();
    }
  };
  QMetaObject::invokeMethod(&window, step, Qt::QueuedConnection);
  driver::qt::settle();
  EXPECT_EQ(ran, 3);
  EXPECT_EQ(count.paints, 1);
}

}  // namespace
