// The Qt host's refusals: each one a HostError with its code and a message that names the
// member and the control, and the control left exactly as it was, on screen too.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form1_window.h"
#include "host/error.h"
#include "pixels.h"
#include "tests/support/refusals.h"

namespace {

using host::ErrorCode;
using host::Value;

struct Refusal {
  const char* what;
  const char16_t* control;
  std::int16_t index;
  const char16_t* member;
  std::function<void(host::qt::QtHost&, host::ControlRef)> attempt;
  ErrorCode code;
};

// Names the case in test listings; gtest would otherwise print the object's bytes, pointers
// included, so that the listed names changed from build to build.
void PrintTo(const Refusal& refusal, std::ostream* out) {
  *out << refusal.what;
}

auto set(const char16_t* member, Value value) {
  return [member, value](host::qt::QtHost& host, host::ControlRef control) {
    host.setProperty(control, member, value);
  };
}
auto get(const char16_t* member) {
  return [member](host::qt::QtHost& host, host::ControlRef control) {
    host.getProperty(control, member);
  };
}
auto call(const char16_t* method, std::vector<Value> arguments) {
  return [method, arguments](host::qt::QtHost& host, host::ControlRef control) {
    host.callMethod(control, method, arguments);
  };
}

const std::vector<Refusal> kRefusals = {
    {"unknown property set", u"Command1", 3, u"Colour", set(u"Colour", Value::int32(255)),
     ErrorCode::UnknownMember},
    {"unknown property get", u"Command1", 3, u"Colour", get(u"Colour"), ErrorCode::UnknownMember},
    {"unknown method", u"Command1", 3, u"Flash", call(u"Flash", {}), ErrorCode::UnknownMember},
    {"a text box has no Style", u"Text1", 0, u"Style", set(u"Style", Value::int16(1)),
     ErrorCode::UnknownMember},
    {"write to Name", u"Command1", 3, u"Name", set(u"Name", Value::text(u"Otro")),
     ErrorCode::ReadOnly},
    {"text for a number", u"Command1", 3, u"Left", set(u"Left", Value::text(u"100")),
     ErrorCode::TypeMismatch},
    {"text for a Move argument", u"Command1", 3, u"Move",
     call(u"Move", {Value::number(0), Value::text(u"0")}), ErrorCode::TypeMismatch},
    {"Style 2", u"Command1", 3, u"Style", set(u"Style", Value::int16(2)), ErrorCode::InvalidValue},
    {"unknown system colour", u"Command1", 3, u"BackColor",
     set(u"BackColor", Value::int32(static_cast<std::int32_t>(0x80000063u))),
     ErrorCode::InvalidValue},
    {"unknown system colour for the text", u"Text1", 0, u"ForeColor",
     set(u"ForeColor", Value::int32(static_cast<std::int32_t>(0x80000063u))),
     ErrorCode::InvalidValue},
};

// Everything of a control that a refused call could have changed.
struct State {
  std::vector<Value> values;
  QRect geometry;
  QImage pixels;
  bool operator==(const State&) const = default;
};

State stateOf(qtbench::Form1Window& w, host::ControlRef control) {
  static const char16_t* const kMembers[] = {u"Name",   u"Left",      u"Top",       u"Width",
                                             u"Height", u"BackColor", u"ForeColor", u"Appearance"};
  State state;
  for (const char16_t* member : kMembers)
    state.values.push_back(w.host().getProperty(control, member));
  state.geometry = w.host().widget(control)->geometry();
  state.pixels = qtbench::shown(*w.host().widget(control));
  return state;
}

class HostRefusals : public ::testing::TestWithParam<Refusal> {
 protected:
  qtbench::Form1Window w;
};

TEST_P(HostRefusals, RaiseACodedErrorNamingMemberAndControlAndChangeNothing) {
  const Refusal& r = GetParam();
  const host::ControlRef control = w.control(r.control, r.index);
  const std::string target = host::toUtf8(r.control) + "(" + std::to_string(r.index) + ")";
  const State before = stateOf(w, control);
  try {
    r.attempt(w.host(), control);
    FAIL() << "no error raised";
  } catch (const host::HostError& error) {
    EXPECT_EQ(error.code(), r.code) << error.what();
    EXPECT_NE(std::string(error.what()).find(host::toUtf8(r.member)), std::string::npos)
        << error.what();
    EXPECT_NE(std::string(error.what()).find(target), std::string::npos) << error.what();
  }
  EXPECT_TRUE(stateOf(w, control) == before);
}

INSTANTIATE_TEST_SUITE_P(Form1, HostRefusals, ::testing::ValuesIn(kRefusals), [](const auto& info) {
  std::string name = info.param.what;
  std::erase_if(name, [](char c) { return !std::isalnum(c); });
  return name;
});

TEST(HostRefusalObserver, HearsOfEachRefusal) {
  qtbench::Form1Window w;
  support::expectEachRefusalObserved(w.host(), w.control(u"Command1", 3));
}

class HostPositions : public ::testing::Test {
 protected:
  qtbench::Form1Window w;
};

// The host keeps twips, not pixels: a one-twip move that the screen cannot show is still kept,
// and moving back gives the exact start.
TEST_F(HostPositions, LeftPlusOneThenMinusOneGivesBackTheExactValue) {
  for (const auto& [name, index] : {std::pair{u"Command1", 3}, std::pair{u"Option1", 0}}) {
    SCOPED_TRACE(host::toUtf8(name));
    const host::ControlRef control = w.control(name, static_cast<std::int16_t>(index));
    const Value start = w.host().getProperty(control, u"Left");
    const QRect pixels = w.host().widget(control)->geometry();
    w.host().setProperty(control, u"Left", Value::number(start.asNumber() + 1));
    EXPECT_EQ(w.host().getProperty(control, u"Left"), Value::number(start.asNumber() + 1));
    EXPECT_EQ(w.host().widget(control)->geometry(), pixels);
    const Value moved = w.host().getProperty(control, u"Left");
    w.host().setProperty(control, u"Left", Value::number(moved.asNumber() - 1));
    EXPECT_EQ(w.host().getProperty(control, u"Left"), start);
    EXPECT_EQ(w.host().widget(control)->geometry(), pixels);
  }
}

TEST_F(HostPositions, MoveTakesTwipsAndShowsThemInPixels) {
  const host::ControlRef control = w.control(u"Command1", 2);
  const Value arguments[] = {Value::number(1500), Value::int16(3000)};
  w.host().callMethod(control, u"Move", arguments);
  EXPECT_EQ(w.host().getProperty(control, u"Left"), Value::number(1500));
  EXPECT_EQ(w.host().getProperty(control, u"Top"), Value::number(3000));
  EXPECT_EQ(w.host().widget(control)->geometry(), QRect(100, 200, 145, 41));
}

// The form's own background colour refuses the same way, and the form keeps its colour.
TEST_F(HostPositions, FormRefusesAnUnknownSystemColourAndKeepsItsBackground) {
  try {
    w.host().setBackColor(w.form(), static_cast<host::ColorValue>(0x80000063u));
    FAIL() << "no error raised";
  } catch (const host::HostError& error) {
    EXPECT_EQ(error.code(), ErrorCode::InvalidValue);
    EXPECT_NE(std::string(error.what()).find("Form1"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("BackColor"), std::string::npos) << error.what();
  }
  const QImage form = qtbench::shown(w.window());
  EXPECT_EQ(qtbench::describe(qtbench::dominantColor(form)),
            qtbench::describe(qtbench::kColorFondo));
}

}  // namespace
