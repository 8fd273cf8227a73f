#pragma once

#include <string>

#include "host/error.h"
#include "host/forms_host.h"
#include "host/project.h"

namespace qtbench {

// A forms host that passes everything to the real one but can refuse the next caption sets:
// the way to make an error leave the click handler of "PROBAR" on a host that refuses only
// real faults. Its project makes Form1's code on this wrapper.
class CaptionGate final : public host::FormsHost {
 public:
  static constexpr const char* kMessage = "refused: the caption of Form1 cannot be set now";

  host::Project project();
  int refusals = 0;  // how many of the coming caption sets to refuse

  void setCaption(host::FormRef form, host::TextView caption) override;
  void setBackColor(host::FormRef form, host::ColorValue color) override {
    real().setBackColor(form, color);
  }
  host::ControlCollection controls(host::FormRef form) override { return real().controls(form); }
  void refresh(host::FormRef form) override { real().refresh(form); }
  host::Enumerator startEnumeration(const host::ControlCollection& collection) override {
    return real().startEnumeration(collection);
  }
  void advance(host::Enumerator& enumerator) override { real().advance(enumerator); }
  host::Text typeName(host::ControlRef control) override { return real().typeName(control); }
  host::Value getProperty(host::ControlRef control, host::TextView name) override {
    return real().getProperty(control, name);
  }
  void setProperty(host::ControlRef control, host::TextView name,
                   const host::Value& value) override {
    real().setProperty(control, name, value);
  }
  void callMethod(host::ControlRef control, host::TextView name,
                  std::span<const host::Value> arguments) override {
    real().callMethod(control, name, arguments);
  }
  host::ColorValue rgb(int red, int green, int blue) override {
    return real().rgb(red, green, blue);
  }
  bool textEquals(host::TextView left, host::TextView right) override {
    return real().textEquals(left, right);
  }
  bool flagSet(host::Boolean flag) override { return real().flagSet(flag); }
  void yield() override { real().yield(); }

 private:
  host::FormsHost& real();
  host::FormsHost* real_ = nullptr;
};

}  // namespace qtbench
