// The values each test method leaves on the controls.
#include <gtest/gtest.h>

#include "banco.h"

namespace {

using banco::Form1Test;
using banco::kButtonColor;
using banco::kButtonTextColor;
using banco::samples;
using host::Value;
using host::memory::Operation;

struct EndValues {
  std::int16_t style;
  std::int16_t appearance;
  host::ColorValue back;
  host::ColorValue fore;
};

// What presetAll() gives every control.
constexpr EndValues kPreset{0, 1, 111, 222};
constexpr EndValues kButtonLook{1, 0, kButtonColor, kButtonTextColor};

EndValues endValuesOf(int method) {
  switch (method) {
    case 5:
      return {kPreset.style, kPreset.appearance, kButtonColor, kButtonTextColor};
    case 6:
      return {1, 0, kPreset.back, kPreset.fore};
    case 10:
      return {0, 1, host::systemColor(15), host::systemColor(18)};
    default:
      return kButtonLook;
  }
}

class MethodEndValues : public Form1Test, public ::testing::WithParamInterface<int> {
 protected:
  void expectValues(const std::string& target, const EndValues& want) {
    SCOPED_TRACE(target);
    EXPECT_EQ(property(target, u"Style"), Value::int16(want.style));
    EXPECT_EQ(property(target, u"Appearance"), Value::int16(want.appearance));
    EXPECT_EQ(property(target, u"BackColor"), Value::int32(want.back));
    EXPECT_EQ(property(target, u"ForeColor"), Value::int32(want.fore));
  }
};

TEST_P(MethodEndValues, ChangeOnlyTheCommand1Buttons) {
  presetAll();
  const auto before = snapshot();
  apply(static_cast<std::int16_t>(GetParam()));
  for (const support::Control& c : samples()) {
    expectValues(c.target, c.selected() ? endValuesOf(GetParam()) : kPreset);
    EXPECT_EQ(property(c.target, u"Left"), before.at(c.target + ".Left")) << c.target;
    EXPECT_EQ(property(c.target, u"Top"), before.at(c.target + ".Top")) << c.target;
    EXPECT_EQ(property(c.target, u"Enabled"), Value::boolean(true)) << c.target;
  }
}

TEST_P(MethodEndValues, TwiceLeaveTheSameValuesAsOnce) {
  presetAll();
  apply(static_cast<std::int16_t>(GetParam()));
  const auto once = snapshot();
  apply(static_cast<std::int16_t>(GetParam()));
  EXPECT_EQ(snapshot(), once);
}

TEST_P(MethodEndValues, RefusedStyleStopsNeitherTheOtherStepsNorTheFurtherButtons) {
  presetAll();
  host.refuse(Operation::SetProperty, u"Style");
  apply(static_cast<std::int16_t>(GetParam()));
  EndValues want = endValuesOf(GetParam());
  want.style = kPreset.style;
  for (const support::Control& c : samples()) {
    if (c.selected()) expectValues(c.target, want);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTen, MethodEndValues, ::testing::Range(1, 11));

TEST_F(Form1Test, MethodSevenLeavesADisabledButtonEnabled) {
  host.setProperty(control("Command1(22)"), u"Enabled", Value::boolean(false));
  apply(7);
  EXPECT_EQ(property("Command1(22)", u"Enabled"), Value::boolean(true));
  EXPECT_EQ(property("Command1(22)", u"Enabled")->asBoolean().raw, -1);
}

TEST_F(Form1Test, MethodEightMovesEachButtonAndBack) {
  apply(8);
  for (const support::Control& c : samples()) {
    EXPECT_EQ(property(c.target, u"Left"), Value::number(c.left)) << c.target;
    EXPECT_EQ(property(c.target, u"Top"), Value::number(c.top)) << c.target;
  }
}

}  // namespace
