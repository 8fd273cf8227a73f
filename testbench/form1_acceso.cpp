#include "testbench/form1_acceso.h"

#include "testbench/form1.h"

namespace testbench {

std::int16_t& Form1Acceso::MetodoActual(Form1& form) {
  return form.MetodoActual;
}

}  // namespace testbench
