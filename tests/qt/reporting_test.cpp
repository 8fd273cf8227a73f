// An error that leaves the click handler of "PROBAR" reaches the Qt host: it is reported with
// the event, the source, the code and the message, and the window goes on working.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "caption_gate.h"
#include "form1_window.h"
#include "pixels.h"

namespace {

using qtbench::CaptionGate;

struct Report {
  host::Event event;
  host::Text source;
  host::ErrorCode code;
  std::string message;
};

class ErrorsReachingTheHost : public ::testing::Test {
 protected:
  void recordReports() {
    w.host().setErrorReporter(
        [this](host::Event event, host::TextView source, const host::HostError& error) {
          reports.push_back({event, host::Text(source), error.code(), error.what()});
        });
  }
  QColor face(std::int16_t index) {
    const QImage image = qtbench::shown(w.command1(index));
    return qtbench::dominantColor(image, qtbench::inner(image, 2));
  }

  CaptionGate gate;  // outlives the window, whose code runs on it
  qtbench::Form1Window w{gate.project()};
  std::vector<Report> reports;
};

TEST_F(ErrorsReachingTheHost, RefusedCaptionIsReportedAsAnErrorOfTheClickOfCmdProbar) {
  recordReports();
  gate.refusals = 1;
  w.press();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].event, host::Event::Click);
  EXPECT_EQ(reports[0].source, u"cmdProbar");
  EXPECT_EQ(reports[0].code, host::ErrorCode::Refused);
  EXPECT_EQ(reports[0].message, CaptionGate::kMessage);
}

// Press 10 fails at its caption: method 10 stays applied and MetodoActual stays advanced, the
// old caption stays, and the next press (a real mouse click) runs method 1.
TEST_F(ErrorsReachingTheHost, WhatWasDoneStaysAndTheNextPressRunsTheFollowingMethod) {
  recordReports();
  w.press(9);
  gate.refusals = 1;
  w.press();
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_EQ(w.metodoActual(), 10);
  EXPECT_EQ(w.caption(), "Prueba 9: DoEvents entre cada asignacion");
  EXPECT_NE(qtbench::describe(face(0)), qtbench::describe(qtbench::kColorBoton));
  EXPECT_TRUE(w.window().isVisible());
  QTest::mouseClick(&w.button(u"cmdProbar"), Qt::LeftButton);
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_EQ(w.metodoActual(), 1);
  EXPECT_EQ(w.caption(), "Prueba 1: Style+Appearance+Color (igual a CargarSkin)");
  EXPECT_EQ(qtbench::describe(face(0)), qtbench::describe(qtbench::kColorBoton));
}

// A press handled inside a yield of method 9 that fails ends only the nested cycle: the host
// reports it there, and the outer press finishes method 9 and writes its own caption.
TEST_F(ErrorsReachingTheHost, FailingNestedPressEndsOnlyItself) {
  recordReports();
  w.press(8);
  gate.refusals = 1;  // the nested press sets the caption first
  ASSERT_TRUE(QMetaObject::invokeMethod(&w.button(u"cmdProbar"), "click", Qt::QueuedConnection));
  w.press();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].source, u"cmdProbar");
  EXPECT_EQ(w.caption(), "Prueba 10: Reset a estandar (para comparar)");
  for (std::size_t i = 1; i < qtbench::kCommand1.size(); ++i) {
    EXPECT_EQ(qtbench::describe(face(qtbench::kCommand1[i])),
              qtbench::describe(qtbench::kColorBoton));
  }
}

TEST_F(ErrorsReachingTheHost, DefaultReporterWritesOneLineToStandardError) {
  gate.refusals = 1;
  testing::internal::CaptureStderr();
  w.press();
  const std::string written = testing::internal::GetCapturedStderr();
  EXPECT_EQ(written, QCoreApplication::applicationName().toStdString() +
                         ": the click of cmdProbar failed: error 9 (refused): " +
                         CaptionGate::kMessage + "\n");
  testing::internal::CaptureStderr();
  w.press();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(w.caption(), "Prueba 2: Igual a 1 + Ctl.Refresh");
}

}  // namespace
