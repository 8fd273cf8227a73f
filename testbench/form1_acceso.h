#pragma once

#include <cstdint>

namespace testbench {

class Form1;

// The one way into Form1's state for the tools and tests that drive it: the number of the last
// test method run, to read, or to preset so that the next press of "PROBAR" runs the one after.
struct Form1Acceso {
  static std::int16_t& MetodoActual(Form1& form);
};

}  // namespace testbench
