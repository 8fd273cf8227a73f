#pragma once

#include "host/forms_host.h"

namespace tour {

// A host that passes every call on to another one, unchanged. The tour's hosts that watch a
// routine at work derive from it and take over only the calls they watch.
class ForwardingHost : public host::FormsHost {
 public:
  explicit ForwardingHost(host::FormsHost& inner) : inner_(inner) {}

  void setCaption(host::FormRef form, host::TextView caption) override {
    inner_.setCaption(form, caption);
  }
  void setBackColor(host::FormRef form, host::ColorValue color) override {
    inner_.setBackColor(form, color);
  }
  host::ControlCollection controls(host::FormRef form) override { return inner_.controls(form); }
  void refresh(host::FormRef form) override { inner_.refresh(form); }
  host::Enumerator startEnumeration(const host::ControlCollection& collection) override {
    return inner_.startEnumeration(collection);
  }
  void advance(host::Enumerator& enumerator) override { inner_.advance(enumerator); }
  host::Text typeName(host::ControlRef control) override { return inner_.typeName(control); }
  host::Value getProperty(host::ControlRef control, host::TextView name) override {
    return inner_.getProperty(control, name);
  }
  void setProperty(host::ControlRef control, host::TextView name,
                   const host::Value& value) override {
    inner_.setProperty(control, name, value);
  }
  void callMethod(host::ControlRef control, host::TextView name,
                  std::span<const host::Value> arguments) override {
    inner_.callMethod(control, name, arguments);
  }
  host::ColorValue rgb(int red, int green, int blue) override {
    return inner_.rgb(red, green, blue);
  }
  bool textEquals(host::TextView left, host::TextView right) override {
    return inner_.textEquals(left, right);
  }
  bool flagSet(host::Boolean flag) override { return inner_.flagSet(flag); }
  void yield() override { inner_.yield(); }

 protected:
  host::FormsHost& inner_;
};

}  // namespace tour
