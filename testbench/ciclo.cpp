#include "testbench/form1.h"
#include "testbench/metodos.h"

namespace testbench {

// One press of "PROBAR". Each step reads MetodoActual afresh: a press handled during a yield of
// method 9 runs a whole cycle nested in this one and may have moved it on meanwhile.
void Form1::EjecutarPrueba() {
  const std::int16_t siguiente = host::checkedAdd(MetodoActual, 1);
  MetodoActual = siguiente > kUltimoMetodo ? std::int16_t{1} : siguiente;
  AplicarMetodo(host_, formulario(), MetodoActual);
  const host::Text descripcion = DescripcionMetodo(MetodoActual);
  const host::Text titulo = u"Prueba " + host::decimal(MetodoActual) + u": " + descripcion;
  host_.setCaption(formulario(), titulo);
}

}  // namespace testbench
