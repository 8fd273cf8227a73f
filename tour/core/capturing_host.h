#pragma once

#include <functional>

#include "tour/core/forwarding_host.h"

namespace tour {

// A host that forwards every call to another one and, after each yield has run, calls a hook:
// the tour grabs the window there, to show how painting proceeds between assignments.
class CapturingHost final : public ForwardingHost {
 public:
  using ForwardingHost::ForwardingHost;

  void setAfterYield(std::function<void()> hook) { afterYield_ = std::move(hook); }

  void yield() override {
    inner_.yield();
    if (afterYield_) afterYield_();
  }

 private:
  std::function<void()> afterYield_;
};

}  // namespace tour
