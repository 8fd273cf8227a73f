#include "caption_gate.h"

#include <memory>
#include <stdexcept>

#include "testbench/form1.h"

namespace qtbench {

host::Project CaptionGate::project() {
  host::Project project = testbench::ProyectoForm1();
  project.createCode = [this](host::FormsHost& real, host::FormRef form) {
    real_ = &real;
    return std::make_unique<testbench::Form1>(*this, form);
  };
  return project;
}

host::FormsHost& CaptionGate::real() {
  if (!real_) throw std::logic_error("the gate has no host yet");
  return *real_;
}

void CaptionGate::setCaption(host::FormRef form, host::TextView caption) {
  if (refusals > 0) {
    --refusals;
    throw host::HostError(host::ErrorCode::Refused, kMessage);
  }
  real().setCaption(form, caption);
}

}  // namespace qtbench
