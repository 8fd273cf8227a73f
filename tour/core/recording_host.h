#pragma once

#include <map>
#include <string>
#include <vector>

#include "tour/core/forwarding_host.h"

namespace tour {

// What one control, or the form itself, was asked while the skin ran.
struct CallLog {
  std::vector<std::string> taken;    // the properties set and methods called that the host took
  std::vector<std::string> refused;  // every call on it that the host refused, reads included
  bool changeAsked = false;          // some property was set or method called, taken or not

  bool operator==(const CallLog&) const = default;
};

// A host that forwards every call to another one and notes, per control and for the form, what
// it was asked and what was refused. A call names its control where it has one; a comparison or
// flag test belongs to the control the enumeration delivered last (the skin compares that
// control's type name), and everything else to the form: its background, caption, collection and
// enumeration, and the composing of colours.
class RecordingHost final : public ForwardingHost {
 public:
  using ForwardingHost::ForwardingHost;

  const CallLog& formLog() const { return form_; }
  // An empty log for a control that was asked nothing.
  CallLog logOf(host::ControlRef control) const;

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
  CallLog& logFor(host::ControlRef control);
  CallLog& current() { return logFor(current_); }

  CallLog form_;
  std::map<std::uint32_t, CallLog> controls_;
  host::ControlRef current_;
};

}  // namespace tour
