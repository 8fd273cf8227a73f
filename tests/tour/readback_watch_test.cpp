// The tour's watch over a window while a method runs, on the offscreen platform: a read-back
// between two checked ones is trusted only while the window kept the activation throughout. And
// an adopted form's screen, settled, as the window paints itself now.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <optional>
#include <string>

#include "tour/qt/adopted_qt_form.h"
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

// Part of the screen drawn over behind the widgets' backs, as a widget that repaints only part of
// itself leaves it: once the form has settled, the screen is what the window paints now.
TEST(AdoptedForm, SettlesToTheScreenAsTheWindowPaintsNow) {
  tour::qt::BuiltForm built;
  built.window = std::make_unique<QWidget>();
  built.window->resize(200, 100);
  auto* label = new QLabel("Nombre", built.window.get());
  built.controls.push_back({label, "QLabel"});
  tour::qt::AdoptedQtForm form(std::move(built));
  QBackingStore& screen = *label->window()->backingStore();
  const QRect stale(0, 0, 40, 40);
  screen.beginPaint(stale);
  QPainter(screen.paintDevice()).fillRect(stale, Qt::red);
  screen.endPaint();
  screen.flush(stale);
  ASSERT_NE(form.readBack(), form.render()) << "the screen was not drawn over";
  form.settle();
  EXPECT_EQ(form.readBack(), form.render());
}

}  // namespace
