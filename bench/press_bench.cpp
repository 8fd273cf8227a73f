#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <string>
#include <vector>

#include "bench/benchmarks.h"
#include "bench/session.h"
#include "testbench/form1_acceso.h"
#include "testbench/metodos.h"

namespace bench {
namespace {

// One press of "PROBAR" that runs method N, and the painting that follows until no event is
// pending.
void press(benchmark::State& state, std::int16_t method) {
  Session& session = Session::current();
  auto& probar = static_cast<QAbstractButton&>(session.widget(session.form1Control(u"cmdProbar")));
  std::int16_t& metodoActual = testbench::Form1Acceso::MetodoActual(session.form1Code());
  Shown shown(session.form1Window());
  for (auto _ : state) {
    metodoActual = static_cast<std::int16_t>(method - 1);
    probar.click();
    settle();
  }
}

std::vector<host::qt::GraphicalButton*> command1Buttons(Session& session) {
  std::vector<host::qt::GraphicalButton*> buttons;
  for (const host::ControlRef control : session.qt().controlsOf(session.form1())) {
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
  Shown shown(session.form1Window());
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
    settle();
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
