#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "testbench/form1_definicion.h"
#include "testbench/metodos.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/forms.h"
#include "tests/support/oracle.h"

namespace banco {

using host::ControlRef;
using host::Value;
using support::Lines;

inline constexpr host::ColorValue kButtonColor = support::kColorBoton;
inline constexpr host::ColorValue kButtonTextColor = support::kColorTextoBoton;

// Form1's controls in enumeration order.
inline const std::vector<support::Control>& samples() {
  static const std::vector<support::Control> list =
      support::controlsOf(testbench::DefinicionForm1());
  return list;
}

// The whole trace of AplicarMetodo(method) on Form1 when the host refuses the calls `refusals`
// names.
inline Lines methodTrace(int method, const support::LineRule& refusals = {}) {
  return support::expectedTrace(
      testbench::DefinicionForm1(), [method](support::Oracle& oracle) { oracle.method(method); },
      refusals);
}

inline std::string captionLine(const std::string& caption) {
  return "caption Form1 \"" + caption + "\"";
}

// A host running Form1, loaded and with the load's calls cleared from the trace.
class Form1Test : public support::Form1OnMemoryHost {
 protected:
  void SetUp() override {
    start();
    host.clearTrace();
  }

  ControlRef control(const std::string& target) {
    for (const support::Control& c : samples()) {
      if (c.target == target) return host.control(form, host::fromUtf8(c.name), c.index);
    }
    throw std::out_of_range(target);
  }
  void apply(std::int16_t method) { testbench::AplicarMetodo(host, form, method); }
  // Applies `method` on a host that refuses the calls `rule` names, and expects the oracle's
  // trace.
  void applyRefusing(std::int16_t method, const support::LineRule& rule) {
    support::refuseLines(host, rule);
    apply(method);
    const std::string trace = support::joined(host.trace());
    EXPECT_NE(trace.find(" !refused"), std::string::npos) << "the rule named no call";
    EXPECT_EQ(trace, support::joined(methodTrace(method, rule)));
  }
  void press() { host.click(control("cmdProbar")); }
  std::optional<Value> property(const std::string& target, const char16_t* member) {
    return host.property(control(target), member);
  }

  // Gives every control values that no method leaves, so that each change shows.
  void presetAll() {
    for (const support::Control& c : samples()) {
      host.setProperty(control(c.target), u"Style", Value::int16(0));
      host.setProperty(control(c.target), u"Appearance", Value::int16(1));
      host.setProperty(control(c.target), u"BackColor", Value::int32(111));
      host.setProperty(control(c.target), u"ForeColor", Value::int32(222));
    }
    host.clearTrace();
  }

  // The controls whose "BackColor" is the button colour.
  std::set<std::string> coloured() {
    std::set<std::string> targets;
    for (const support::Control& c : samples()) {
      if (property(c.target, u"BackColor") == Value::int32(kButtonColor)) targets.insert(c.target);
    }
    return targets;
  }

  // The members any method could touch, of every control.
  std::map<std::string, std::optional<Value>> snapshot() {
    static const char16_t* const kMembers[] = {u"Style",     u"Appearance", u"BackColor",
                                               u"ForeColor", u"Enabled",    u"Left",
                                               u"Top",       u"BorderStyle"};
    std::map<std::string, std::optional<Value>> values;
    for (const support::Control& c : samples()) {
      for (const char16_t* member : kMembers) {
        values[c.target + "." + host::toUtf8(member)] = property(c.target, member);
      }
    }
    return values;
  }
};

}  // namespace banco
