#include "host/core/host_base.h"

#include <utility>
#include <vector>

namespace host {

HostBase::HostBase(ErrorReporter reporter) : reportError_(std::move(reporter)) {}

void HostBase::setErrorReporter(ErrorReporter reporter) {
  reportError_ = std::move(reporter);
}

void HostBase::setRefusalObserver(std::function<void(const HostError&)> observer) {
  observeRefusal_ = std::move(observer);
}

void HostBase::tellRefusal(const HostError& error) const {
  if (observeRefusal_) observeRefusal_(error);
}

ColorValue HostBase::rgb(int red, int green, int blue) {
  return guarded([&] { return composeRgb(red, green, blue); });
}

bool HostBase::textEquals(TextView left, TextView right) {
  return guarded([&] { return left == right; });
}

bool HostBase::flagSet(Boolean flag) {
  return guarded([&] { return static_cast<bool>(flag); });
}

void HostBase::attachCode(FormEntry& form, const Project& project) {
  form.code = project.createCode(*this, form.ref);
  form.handlers = form.code->handlers();
  deliver(form, Event::Load, form.name);
}

void HostBase::deliver(FormEntry& form, Event event, TextView source) {
  // Copied, so that a handler may run nested inside another without the table moving under it.
  const std::vector<HandlerBinding> handlers = form.handlers;
  for (const HandlerBinding& binding : handlers) {
    if (binding.event != event || binding.source != source) continue;
    try {
      binding.handler();
    } catch (const HostError& error) {
      reportError_(event, source, error);
    } catch (const std::exception& error) {
      escaped(event, source, error);
    }
  }
}

void HostBase::escaped(Event event, TextView source, const std::exception& error) {
  reportError_(event, source, HostError(ErrorCode::InvalidValue, error.what()));
}

}  // namespace host
