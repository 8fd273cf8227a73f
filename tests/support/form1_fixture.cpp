#include "tests/support/form1_fixture.h"

namespace support {

void Form1OnMemoryHost::start() {
  form = host.start(testbench::ProyectoForm1());
}

testbench::Form1& Form1OnMemoryHost::form1() const {
  auto* code = dynamic_cast<testbench::Form1*>(host.code(form));
  if (code == nullptr) throw std::logic_error("Form1 has not been started on this host");
  return *code;
}

}  // namespace support
