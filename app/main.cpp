#include "host/qt/start.h"
#include "testbench/form1.h"

// The entry hands the host the project description; everything else happens in event handlers.
int main(int argc, char** argv) {
  return host::qt::start(testbench::ProyectoForm1(), argc, argv);
}
