#include "testbench/form1.h"
#include "testbench/metodos.h"

namespace testbench {

// One press of "PROBAR".
void Form1::EjecutarPrueba() {
  // Built with the test methods.
}

}  // namespace testbench
