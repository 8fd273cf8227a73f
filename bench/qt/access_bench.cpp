#include <benchmark/benchmark.h>

#include <QColor>
#include <string>

#include "bench/qt/benchmarks.h"
#include "bench/qt/session.h"
#include "bench/qt/shown.h"

namespace bench {
namespace {

using host::Value;
using host::qt::GraphicalButton;

// One member of a command button, set by name through the host and by the widget's own typed
// call. Both sides alternate between the button's value and another one, so every call makes
// a change, and put the button's value back when done.
struct Change {
  const char* name;
  host::TextView member;
  Value hostValues[2];  // [0] the button's own, [1] the other
  void (*direct)(GraphicalButton& button, int which);
};

// Command1(0) sits at 4680, 720 twips (312, 48 pixels) with a steel-blue face.
const Change kChanges[] = {
    {"BackColor",
     u"BackColor",
     {Value::int32(70 + 130 * 256 + 180 * 65536), Value::int32(255)},
     [](GraphicalButton& button, int which) {
       static const QColor colours[2] = {QColor(70, 130, 180), QColor(255, 0, 0)};
       button.setFaceColor(colours[which]);
     }},
    {"Enabled",
     u"Enabled",
     {Value::boolean(host::kTrue), Value::boolean(host::kFalse)},
     [](GraphicalButton& button, int which) { button.setEnabled(which == 0); }},
    {"Left",
     u"Left",
     {Value::number(4680), Value::number(4695)},
     [](GraphicalButton& button, int which) { button.move(312 + which, 48); }},
};

void byName(benchmark::State& state, const Change& change) {
  Session& session = Session::current();
  const host::ControlRef button = session.form1().control(u"Command1", 0);
  Shown shown(session.form1().window());
  int which = 0;
  for (auto _ : state) {
    which ^= 1;
    session.qt().setProperty(button, change.member, change.hostValues[which]);
  }
  session.qt().setProperty(button, change.member, change.hostValues[0]);
}

void direct(benchmark::State& state, const Change& change) {
  Session& session = Session::current();
  GraphicalButton& button = session.button(session.form1().control(u"Command1", 0));
  Shown shown(session.form1().window());
  int which = 0;
  for (auto _ : state) {
    which ^= 1;
    change.direct(button, which);
  }
  change.direct(button, 0);
}

}  // namespace

void registerAccessBenchmarks() {
  for (const Change& change : kChanges) {
    const std::string prefix = std::string("access/") + change.name;
    benchmark::RegisterBenchmark((prefix + "/host").c_str(), byName, change);
    benchmark::RegisterBenchmark((prefix + "/qt").c_str(), direct, change);
  }
}

}  // namespace bench
