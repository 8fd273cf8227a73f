#include "host/win32/start.h"
#include "testbench/form1.h"

// The entry of the Windows program (GUI subsystem, no console): it hands the host the project
// description; everything else happens in event handlers. The icon is the executable's first
// icon group.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  auto proyecto = testbench::ProyectoForm1();
  proyecto.iconPath = "#1";
  return host::win32::start(proyecto);
}
