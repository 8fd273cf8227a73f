// The program exactly as its own entry starts it on the Win32 host, except that it ends right
// after the first painted frame of its skinned window: the measured side of the start-up
// benchmark.
#include <windows.h>

#include "bench/win32/stop_at_first_paint.h"
#include "host/win32/start.h"
#include "testbench/form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const bench::win32::StopAtFirstPaint stopper;
  if (!stopper.installed()) return 1;
  auto proyecto = testbench::ProyectoForm1();
  proyecto.iconPath = "#1";
  return host::win32::start(proyecto);
}
