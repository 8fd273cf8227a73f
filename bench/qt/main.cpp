#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStyle>
#include <algorithm>
#include <string_view>

#include "bench/qt/benchmarks.h"
#include "bench/qt/session.h"

namespace {

// Removes `flag` from the arguments if it is there, before Qt and the benchmark library read them.
bool takeFlag(int& argc, char** argv, std::string_view flag) {
  const auto end = std::remove(argv + 1, argv + argc, flag);
  const bool found = end != argv + argc;
  argc = static_cast<int>(end - argv);
  argv[argc] = nullptr;
  return found;
}

#ifdef __clang__
constexpr char kCompiler[] = "clang " __clang_version__;
#else
constexpr char kCompiler[] = "g++ " __VERSION__;
#endif

}  // namespace

// The benchmarks of the host and the program on Qt, side by side with the same work done by
// direct Qt calls. They run on Qt's offscreen platform unless the environment names another.
//   --smoke  runs the largest forms once each, for a check that everything runs.
int main(int argc, char** argv) {
  const bool smoke = takeFlag(argc, argv, "--smoke");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::AddCustomContext("qt_version", qVersion());
  benchmark::AddCustomContext("qt_platform", QGuiApplication::platformName().toStdString());
  benchmark::AddCustomContext("qt_style", QApplication::style()->name().toStdString());
  benchmark::AddCustomContext("compiler", kCompiler);
  benchmark::AddCustomContext("build_type", SKINBENCH_BUILD_TYPE);

  bench::Session session;
  bench::registerAccessBenchmarks();
  bench::registerScaleBenchmarks(smoke);
  bench::registerPressBenchmarks();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
