#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/memory/memory_host.h"
#include "testbench/form1.h"
#include "testbench/metodos.h"

namespace testbench {

// Reaches Form1's private state from the tests.
struct Form1Acceso {
  static std::int16_t& metodoActual(Form1& form) { return form.MetodoActual; }
};

}  // namespace testbench

namespace banco {

using host::ControlRef;
using host::Value;
using Lines = std::vector<std::string>;

inline constexpr host::ColorValue kButtonColor = 0x00B48246;
inline constexpr host::ColorValue kButtonTextColor = 0x00FFFFFF;

// Form1's controls in enumeration order, as the tests expect them.
struct Sample {
  std::string target;
  std::string type;
  std::string name;
  std::optional<std::int16_t> index;
  int left;
  int top;
  bool selected() const { return type == "CommandButton" && name == "Command1"; }
};

inline const std::vector<Sample>& samples() {
  static const std::vector<Sample> list = {
      {"cmdProbar", "CommandButton", "cmdProbar", std::nullopt, 5400, 3240},
      {"Check1(1)", "CheckBox", "Check1", 1, 2280, 3120},
      {"Check1(0)", "CheckBox", "Check1", 0, 240, 3000},
      {"Option1(1)", "OptionButton", "Option1", 1, 2040, 2400},
      {"Option1(0)", "OptionButton", "Option1", 0, 120, 2400},
      {"Text1(1)", "TextBox", "Text1", 1, 2040, 1680},
      {"Text1(0)", "TextBox", "Text1", 0, 240, 1680},
      {"Command1(3)", "CommandButton", "Command1", 3, 2400, 0},
      {"Command1(2)", "CommandButton", "Command1", 2, 0, 0},
      {"Command1(1)", "CommandButton", "Command1", 1, 4680, 0},
      {"Command1(4)", "CommandButton", "Command1", 4, 0, 720},
      {"Command1(22)", "CommandButton", "Command1", 22, 2400, 720},
      {"Command1(0)", "CommandButton", "Command1", 0, 4680, 720},
  };
  return list;
}

inline const Sample& sample(const std::string& target) {
  for (const Sample& s : samples()) {
    if (s.target == target) return s;
  }
  throw std::out_of_range(target);
}

// The host calls that one method's steps make on one control, in order.
inline Lines stepLines(int method, const Sample& c) {
  const std::string t = c.target;
  const std::string left = std::to_string(c.left), top = std::to_string(c.top);
  const Lines colours = {"set " + t + ".Style 1", "set " + t + ".Appearance 0",
                         "set " + t + ".BackColor 11829830", "set " + t + ".ForeColor 16777215"};
  auto with = [&](Lines tail) {
    Lines all = colours;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  };
  switch (method) {
    case 1:
    case 3:
      return colours;
    case 2:
      return with({"call " + t + ".Refresh"});
    case 4:
      return {colours[2], colours[3], colours[0], colours[1]};
    case 5:
      return {colours[2], colours[3]};
    case 6:
      return {colours[0], colours[1]};
    case 7:
      return with({"set " + t + ".Enabled False", "set " + t + ".Enabled True"});
    case 8:
      return with({"get " + t + ".Left", "get " + t + ".Top",
                   "call " + t + ".Move " + std::to_string(c.left + 1) + " " + top,
                   "get " + t + ".Left", "get " + t + ".Top",
                   "call " + t + ".Move " + left + " " + top});
    case 9:
      return {colours[0], "yield", colours[1], "yield", colours[2], "yield", colours[3], "yield"};
    case 10:
      return {"set " + t + ".Style 0", "set " + t + ".Appearance 1",
              "set " + t + ".BackColor -2147483633", "set " + t + ".ForeColor -2147483630"};
    default:
      return {};
  }
}

inline Lines headerLines() {
  return {"rgb 70 130 180", "rgb 255 255 255", "controls Form1", "start Form1"};
}

inline Lines selectionLines(const Sample& c) {
  return {"type " + c.target, "equals \"" + c.type + "\" \"CommandButton\"",
          "get " + c.target + ".Name", "equals \"" + c.name + "\" \"Command1\""};
}

inline void append(Lines& to, const Lines& more) {
  to.insert(to.end(), more.begin(), more.end());
}

// Everything one control's turn in the loop asks of the host, the advance included.
inline Lines visitLines(int method, const Sample& c) {
  Lines lines = selectionLines(c);
  if (c.selected()) append(lines, stepLines(method, c));
  lines.push_back("advance Form1");
  return lines;
}

// The whole trace of AplicarMetodo(method) on Form1 when the host refuses nothing.
inline Lines methodTrace(int method) {
  Lines lines = headerLines();
  for (const Sample& c : samples()) append(lines, visitLines(method, c));
  if (method == 3) lines.push_back("refresh Form1");
  return lines;
}

inline std::string captionLine(const std::string& caption) {
  return "caption Form1 \"" + caption + "\"";
}

// A host running Form1, loaded and with the load's calls cleared from the trace.
class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    form = host.start(testbench::ProyectoForm1());
    host.clearTrace();
  }

  ControlRef control(const std::string& target) {
    const Sample& s = sample(target);
    return host.control(form, host::fromUtf8(s.name), s.index);
  }
  void apply(std::int16_t method) { testbench::AplicarMetodo(host, form, method); }
  void press() { host.click(control("cmdProbar")); }
  std::int16_t& metodoActual() {
    return testbench::Form1Acceso::metodoActual(dynamic_cast<testbench::Form1&>(*host.code(form)));
  }
  std::optional<Value> property(const std::string& target, const char16_t* member) {
    return host.property(control(target), member);
  }

  // Gives every control values that no method leaves, so that each change shows.
  void presetAll() {
    for (const Sample& c : samples()) {
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
    for (const Sample& c : samples()) {
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
    for (const Sample& c : samples()) {
      for (const char16_t* member : kMembers) {
        values[c.target + "." + host::toUtf8(member)] = property(c.target, member);
      }
    }
    return values;
  }

  host::memory::MemoryHost host;
  host::FormRef form;
};

}  // namespace banco
