#pragma once

namespace bench {

// Each adds one family of benchmarks to the run.
void registerAccessBenchmarks();  // access/<member>/{host,qt}
// scale/<routine>/{qt,qt+paint,qt-floor,qt-floor+paint,memory}/<controls>; with `smoke`, each
// runs once.
void registerScaleBenchmarks(bool smoke);
void registerPressBenchmarks();  // press/<method>, press/9/qt-floor

}  // namespace bench
