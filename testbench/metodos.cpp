#include "testbench/metodos.h"

namespace testbench {

void AplicarMetodo(host::FormsHost&, host::FormRef, std::int16_t) {}

host::Text DescripcionMetodo(std::int16_t) { return {}; }

}  // namespace testbench
