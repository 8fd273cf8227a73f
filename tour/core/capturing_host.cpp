#include "tour/core/capturing_host.h"

#include <memory>

#include "testbench/form1.h"

namespace tour {

host::Project CapturingHost::form1Project() {
  host::Project project = testbench::ProyectoForm1();
  project.createCode = [this](host::FormsHost&, host::FormRef form) {
    return std::make_unique<testbench::Form1>(*this, form);
  };
  return project;
}

}  // namespace tour
