#include "bench/qt/first_paint/stop_at_first_paint.h"
#include "host/qt/start.h"
#include "testbench/form1.h"

// The program exactly as its own entry starts it, except that it ends after the first painted
// frame of its skinned window: the measured side of the start-up benchmark.
int main(int argc, char** argv) {
  auto proyecto = testbench::ProyectoForm1();
  proyecto.iconPath = ":/skinbench.ico";
  return host::qt::start(proyecto, argc, argv,
                         [](QWidget& window) { new bench::StopAtFirstPaint(window); });
}
