#pragma once

#include <cstdint>

#include "host/forms_host.h"

namespace testbench {

// The test methods are numbered 1 to kUltimoMetodo; every other number names none.
inline constexpr std::int16_t kUltimoMetodo = 10;

// Applies test method N (1 to 10) to every Command1 button of `formulario`; any other N changes
// nothing. Runs in skip-the-failing-statement mode and never reports a failure.
void AplicarMetodo(host::FormsHost& host, host::FormRef formulario, std::int16_t N);

// The one-line description of test method N, or the empty text outside 1 to 10.
host::Text DescripcionMetodo(std::int16_t N);

}  // namespace testbench
