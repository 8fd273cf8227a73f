#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "host/memory/memory_host.h"
#include "testbench/form1.h"
#include "testbench/form1_acceso.h"

namespace support {

// Starts the program's project (Form1, whose load handler skins it) on an in-memory host.
// Refusals meant for the load are set up on `host` before calling start().
class Form1OnMemoryHost : public ::testing::Test {
 protected:
  void start();
  testbench::Form1& form1() const;
  std::int16_t& metodoActual() const { return testbench::Form1Acceso::MetodoActual(form1()); }
  host::ControlRef control(host::TextView name, std::optional<std::int16_t> index = {}) const {
    return host.control(form, name, index);
  }

  host::memory::MemoryHost host;
  host::FormRef form;
};

}  // namespace support
