#pragma once

namespace bench {

// Each adds one family of benchmarks to the run.
void registerAccessBenchmarks();  // access/<member>/{host,qt}
void registerScaleBenchmarks();   // scale/<routine>/{qt,qt+paint,memory}/<controls>
void registerPressBenchmarks();   // press/<method>, press/9/qt-floor

}  // namespace bench
