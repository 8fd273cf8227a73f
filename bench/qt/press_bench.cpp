#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "bench/qt/benchmarks.h"
#include "bench/qt/session.h"
#include "bench/qt/shown.h"
#include "testbench/metodos.h"

namespace bench {
namespace {

// One press of "PROBAR" that runs method N, and the painting that follows until no event is
// pending.
void press(benchmark::State& state, std::int16_t method) {
  const driver::qt::Form1Driver& form1 = Session::current().form1();
  Shown shown(form1.window());
  for (auto _ : state) {
    form1.pressFor(method);
    driver::qt::settle();
  }
}

std::vector<host::qt::GraphicalButton*> command1Buttons(Session& session) {
  std::vector<host::qt::GraphicalButton*> buttons;
  for (const host::ControlRef control : session.qt().controlsOf(session.form1().form())) {
    if (session.qt().getProperty(control, u"Name").asText() == u"Command1") {
      buttons.push_back(&session.button(control));
    }
  }
  return buttons;
}

// The floor under method 9: the same 24 changes to the six Command1 buttons by direct calls,
// each followed by processing the pending events once, then the painting until none is pending.
void method9Floor(benchmark::State& state) {
  Session& session = Session::current();
  const std::vector<host::qt::GraphicalButton*> buttons = command1Buttons(session);
  const QColor face(70, 130, 180);
  const QColor text(255, 255, 255);
  Shown shown(session.form1().window());
  for (auto _ : state) {
    for (host::qt::GraphicalButton* button : buttons) {
      button->setGraphical(true);
      QCoreApplication::processEvents();
      button->setRaised(false);
      QCoreApplication::processEvents();
      button->setFaceColor(face);
      QCoreApplication::processEvents();
      button->setTextColor(text);
      QCoreApplication::processEvents();
    }
    driver::qt::settle();
  }
}

}  // namespace

void registerPressBenchmarks() {
  for (std::int16_t method = 1; method <= testbench::kUltimoMetodo; ++method) {
    benchmark::RegisterBenchmark(("press/" + std::to_string(method)).c_str(), press, method)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("press/9/qt-floor", method9Floor)->Unit(benchmark::kMicrosecond);
}

}  // namespace bench
