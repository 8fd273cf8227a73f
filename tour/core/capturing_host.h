#pragma once

#include <functional>

#include "host/forms_host.h"
#include "host/project.h"

namespace tour {

// A host that forwards every call to another one and, after each yield has run, calls a hook:
// the tour grabs the window there, to show how painting proceeds between assignments.
class CapturingHost final : public host::FormsHost {
 public:
  // `afterYield` may be empty: then it only forwards.
  CapturingHost(host::FormsHost& inner, std::function<void()> afterYield)
      : inner_(inner), afterYield_(std::move(afterYield)) {}

  // The program's project with Form1's code made on this host, so that its yields reach the hook.
  host::Project form1Project();

  void setCaption(host::FormRef form, host::TextView caption) override;
  void setBackColor(host::FormRef form, host::ColorValue color) override;
  host::ControlCollection controls(host::FormRef form) override;
  void refresh(host::FormRef form) override;
  host::Enumerator startEnumeration(const host::ControlCollection& collection) override;
  void advance(host::Enumerator& enumerator) override;
  host::Text typeName(host::ControlRef control) override;
  host::Value getProperty(host::ControlRef control, host::TextView name) override;
  void setProperty(host::ControlRef control, host::TextView name,
                   const host::Value& value) override;
  void callMethod(host::ControlRef control, host::TextView name,
                  std::span<const host::Value> arguments) override;
  host::ColorValue rgb(int red, int green, int blue) override;
  bool textEquals(host::TextView left, host::TextView right) override;
  bool flagSet(host::Boolean flag) override;
  void yield() override;

 private:
  host::FormsHost& inner_;
  std::function<void()> afterYield_;
};

}  // namespace tour
