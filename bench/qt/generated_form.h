#pragma once

#include <cstddef>

#include "host/definition.h"

namespace bench {

// A form of `count` controls in Form1's mix of types (seven command buttons, six of them members
// of Command1, two text boxes, two check boxes and two option buttons in every thirteen), laid
// out in a grid of small cells so that the window grows with the count.
host::FormDefinition generatedForm(std::size_t count);

}  // namespace bench
