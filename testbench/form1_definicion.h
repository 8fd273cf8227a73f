#pragma once

#include "host/definition.h"

namespace testbench {

// The definition of Form1: its own settings and its thirteen controls in definition order.
const host::FormDefinition& DefinicionForm1();

}  // namespace testbench
