#include "host/qt/start.h"
#include "testbench/form1.h"

// The entry hands the host the project description; everything else happens in event handlers.
int main(int argc, char** argv) {
  auto proyecto = testbench::ProyectoForm1();
  proyecto.iconPath = ":/skinbench.ico";
  return host::qt::start(proyecto, argc, argv);
}
