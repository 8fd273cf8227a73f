#include "tour/core/recording_host.h"

#include <type_traits>

#include "host/error.h"
#include "host/text.h"

namespace tour {
namespace {

enum class Kind { Read, Change };

// Runs `call`, noting it in `log` as `what`: a change the host took, or any call it refused.
template <typename Call>
auto noted(CallLog& log, const std::string& what, Kind kind, Call&& call) {
  if (kind == Kind::Change) log.changeAsked = true;
  try {
    if constexpr (std::is_void_v<std::invoke_result_t<Call>>) {
      call();
      if (kind == Kind::Change) log.taken.push_back(what);
    } else {
      auto result = call();
      if (kind == Kind::Change) log.taken.push_back(what);
      return result;
    }
  } catch (const host::HostError&) {
    log.refused.push_back(what);
    throw;
  }
}

std::string member(host::TextView name) {
  return host::toUtf8(host::Text(name));
}

}  // namespace

CallLog RecordingHost::logOf(host::ControlRef control) const {
  const auto found = controls_.find(control.id);
  return found == controls_.end() ? CallLog{} : found->second;
}

CallLog& RecordingHost::logFor(host::ControlRef control) {
  return control.empty() ? form_ : controls_[control.id];
}

void RecordingHost::setCaption(host::FormRef form, host::TextView caption) {
  noted(form_, "Caption", Kind::Change, [&] { inner_.setCaption(form, caption); });
}

void RecordingHost::setBackColor(host::FormRef form, host::ColorValue color) {
  noted(form_, "BackColor", Kind::Change, [&] { inner_.setBackColor(form, color); });
}

host::ControlCollection RecordingHost::controls(host::FormRef form) {
  return noted(form_, "Controls", Kind::Read, [&] { return inner_.controls(form); });
}

void RecordingHost::refresh(host::FormRef form) {
  noted(form_, "Refresh()", Kind::Change, [&] { inner_.refresh(form); });
}

host::Enumerator RecordingHost::startEnumeration(const host::ControlCollection& collection) {
  current_ = {};
  const host::Enumerator enumerator =
      noted(form_, "enumeration", Kind::Read, [&] { return inner_.startEnumeration(collection); });
  current_ = enumerator.current;
  return enumerator;
}

void RecordingHost::advance(host::Enumerator& enumerator) {
  current_ = {};
  noted(form_, "enumeration", Kind::Read, [&] { inner_.advance(enumerator); });
  current_ = enumerator.current;
}

host::Text RecordingHost::typeName(host::ControlRef control) {
  return noted(logFor(control), "type name", Kind::Read, [&] { return inner_.typeName(control); });
}

host::Value RecordingHost::getProperty(host::ControlRef control, host::TextView name) {
  return noted(logFor(control), "reading " + member(name), Kind::Read,
               [&] { return inner_.getProperty(control, name); });
}

void RecordingHost::setProperty(host::ControlRef control, host::TextView name,
                                const host::Value& value) {
  noted(logFor(control), member(name), Kind::Change,
        [&] { inner_.setProperty(control, name, value); });
}

void RecordingHost::callMethod(host::ControlRef control, host::TextView name,
                               std::span<const host::Value> arguments) {
  noted(logFor(control), member(name) + "()", Kind::Change,
        [&] { inner_.callMethod(control, name, arguments); });
}

host::ColorValue RecordingHost::rgb(int red, int green, int blue) {
  return noted(form_, "RGB", Kind::Read, [&] { return inner_.rgb(red, green, blue); });
}

bool RecordingHost::textEquals(host::TextView left, host::TextView right) {
  return noted(current(), "type name comparison", Kind::Read,
               [&] { return inner_.textEquals(left, right); });
}

bool RecordingHost::flagSet(host::Boolean flag) {
  return noted(current(), "flag test", Kind::Read, [&] { return inner_.flagSet(flag); });
}

void RecordingHost::yield() {
  noted(form_, "yield", Kind::Read, [&] { inner_.yield(); });
}

}  // namespace tour
