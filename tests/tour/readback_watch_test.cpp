// The tour's watch over a window while a method runs, on the offscreen platform: a read-back
// between two checked ones is trusted only while the window kept the activation throughout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <optional>
#include <string>

#include "tour/qt/window_readback.h"

namespace {

// Another window of the application becomes the active one, without covering `window`.
void activateAnother(QWidget& window, QWidget& other) {
  other.setGeometry(window.geometry().translated(window.width() + 50, 0));
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isActiveWindow(); }));
}

void expectRefused(const tour::qt::ReadBackWatch& watch) {
  const std::optional<std::string> disturbance = watch.disturbance();
  ASSERT_TRUE(disturbance) << "trusted a read-back taken while the window was not active";
  EXPECT_NE(disturbance->find("lost the activation"), std::string::npos) << *disturbance;
}

TEST(ReadBackWatch, RefusesAMethodDuringWhichTheWindowWasNotActive) {
  QWidget window, other;
  window.resize(200, 100);
  tour::qt::showActive(window);
  {
    const tour::qt::ReadBackWatch watch(window);
    EXPECT_FALSE(watch.disturbance());
  }
  // Lost before the method began, and not won back.
  activateAnother(window, other);
  {
    const tour::qt::ReadBackWatch watch(window);
    expectRefused(watch);
  }
  // Lost while the method ran and won back before it ended.
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const tour::qt::ReadBackWatch watch(window);
  activateAnother(window, other);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  expectRefused(watch);
}

}  // namespace
