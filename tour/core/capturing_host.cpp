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

void CapturingHost::setCaption(host::FormRef form, host::TextView caption) {
  inner_.setCaption(form, caption);
}

void CapturingHost::setBackColor(host::FormRef form, host::ColorValue color) {
  inner_.setBackColor(form, color);
}

host::ControlCollection CapturingHost::controls(host::FormRef form) {
  return inner_.controls(form);
}

void CapturingHost::refresh(host::FormRef form) {
  inner_.refresh(form);
}

host::Enumerator CapturingHost::startEnumeration(const host::ControlCollection& collection) {
  return inner_.startEnumeration(collection);
}

void CapturingHost::advance(host::Enumerator& enumerator) {
  inner_.advance(enumerator);
}

host::Text CapturingHost::typeName(host::ControlRef control) {
  return inner_.typeName(control);
}

host::Value CapturingHost::getProperty(host::ControlRef control, host::TextView name) {
  return inner_.getProperty(control, name);
}

void CapturingHost::setProperty(host::ControlRef control, host::TextView name,
                                const host::Value& value) {
  inner_.setProperty(control, name, value);
}

void CapturingHost::callMethod(host::ControlRef control, host::TextView name,
                               std::span<const host::Value> arguments) {
  inner_.callMethod(control, name, arguments);
}

host::ColorValue CapturingHost::rgb(int red, int green, int blue) {
  return inner_.rgb(red, green, blue);
}

bool CapturingHost::textEquals(host::TextView left, host::TextView right) {
  return inner_.textEquals(left, right);
}

bool CapturingHost::flagSet(host::Boolean flag) {
  return inner_.flagSet(flag);
}

void CapturingHost::yield() {
  inner_.yield();
  if (afterYield_) afterYield_();
}

}  // namespace tour
