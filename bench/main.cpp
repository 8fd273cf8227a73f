#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStyle>

#include "bench/benchmarks.h"
#include "bench/session.h"

// The benchmarks of the host and the program on Qt, side by side with the same work done by
// direct Qt calls. They run on Qt's offscreen platform unless the environment names another.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::AddCustomContext("qt_version", qVersion());
  benchmark::AddCustomContext("qt_platform", QGuiApplication::platformName().toStdString());
  benchmark::AddCustomContext("qt_style", QApplication::style()->name().toStdString());

  bench::Session session;
  bench::registerAccessBenchmarks();
  bench::registerScaleBenchmarks();
  bench::registerPressBenchmarks();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
