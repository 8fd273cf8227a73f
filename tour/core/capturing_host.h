#pragma once

#include <functional>

#include "host/project.h"
#include "tour/core/forwarding_host.h"

namespace tour {

// A host that forwards every call to another one and, after each yield has run, calls a hook:
// the tour grabs the window there, to show how painting proceeds between assignments.
class CapturingHost final : public ForwardingHost {
 public:
  // `afterYield` may be empty: then it only forwards.
  CapturingHost(host::FormsHost& inner, std::function<void()> afterYield)
      : ForwardingHost(inner), afterYield_(std::move(afterYield)) {}

  // The program's project with Form1's code made on this host, so that its yields reach the hook.
  host::Project form1Project();

  void yield() override {
    inner_.yield();
    if (afterYield_) afterYield_();
  }

 private:
  std::function<void()> afterYield_;
};

}  // namespace tour
