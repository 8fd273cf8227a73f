// What each test method does when the host refuses one of its calls: the failing statement is
// skipped and the method goes on where the skip rules say.
#include <gtest/gtest.h>

#include <set>

#include "banco.h"

namespace {

using banco::Form1Test;
using banco::Lines;
using host::memory::Operation;
using support::lineIs;
using support::nth;
using support::startsWith;

// --- a failing start of the enumeration ---------------------------------------------------------

TEST_F(Form1Test, FailingEnumerationStartStillYieldsInMethodNineAndChangesNothing) {
  host.refuse(Operation::StartEnumeration);
  const auto before = snapshot();
  apply(9);
  const Lines expected = {"rgb 70 130 180",
                          "rgb 255 255 255",
                          "controls Form1",
                          "start Form1 !refused",
                          "type -",
                          "equals \"\" \"CommandButton\"",
                          "get -.Name !no object",
                          "set -.Style 1 !no object",
                          "yield",
                          "set -.Appearance 0 !no object",
                          "yield",
                          "set -.BackColor 11829830 !no object",
                          "yield",
                          "set -.ForeColor 16777215 !no object",
                          "yield"};
  EXPECT_EQ(host.trace(), expected);
  // The oracle that the other tests use agrees with the lines written out here.
  EXPECT_EQ(banco::methodTrace(9, startsWith("start ")), expected);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(Form1Test, FailingControlCollectionEndsInTheFormRefreshOfMethodThree) {
  applyRefusing(3, startsWith("controls "));
  EXPECT_EQ(host.trace().back(), "refresh Form1");
}

// --- a failing selection test: the control is treated as selected ------------------------------

TEST_F(Form1Test, FailingTypeNameAppliesTheMethodWithoutAskingTheName) {
  applyRefusing(1, lineIs("type Text1(0)"));
  EXPECT_EQ(property("Text1(0)", u"Style"), host::Value::int16(1));
}

TEST_F(Form1Test, FailingNameOfCmdProbarAppliesTheMethodToIt) {
  applyRefusing(6, lineIs("get cmdProbar.Name"));
  EXPECT_EQ(property("cmdProbar", u"Style"), host::Value::int16(1));
}

TEST_F(Form1Test, FailingTypeComparisonCountsAsSelected) {
  presetAll();
  support::refuseLines(host, startsWith("equals \"CheckBox\""));
  apply(5);
  EXPECT_EQ(coloured(),
            (std::set<std::string>{"Check1(0)", "Check1(1)", "Command1(0)", "Command1(1)",
                                   "Command1(2)", "Command1(3)", "Command1(4)", "Command1(22)"}));
}

TEST_F(Form1Test, FailingNameComparisonCountsAsSelected) {
  presetAll();
  support::refuseLines(host, startsWith("equals \"Option1\""));
  apply(5);
  EXPECT_EQ(coloured(),
            (std::set<std::string>{"Option1(0)", "Option1(1)", "Command1(0)", "Command1(1)",
                                   "Command1(2)", "Command1(3)", "Command1(4)", "Command1(22)"}));
}

// --- a failing step: the next step runs, and so do the further buttons --------------------------

TEST_F(Form1Test, RefusedAssignmentSkipsOnlyThatStep) {
  applyRefusing(1, lineIs("set Command1(2).Appearance 0"));
}

TEST_F(Form1Test, RefusedYieldAndRefreshCallAreSkippedLikeAnyStep) {
  const support::LineRule rule =
      support::anyOf({nth(lineIs("yield"), 1), lineIs("call Command1(3).Refresh")});
  applyRefusing(9, rule);
  host.clearRefusals();
  host.clearTrace();
  applyRefusing(2, rule);
}

// --- method 8: a failing "Left" abandons its move ----------------------------------------------

TEST_F(Form1Test, FailingLeftSkipsTopAndMoveSoTheButtonEndsOneTwipLeft) {
  applyRefusing(8, nth(lineIs("get Command1(1).Left"), 1));
  EXPECT_EQ(property("Command1(1)", u"Left"), host::Value::number(4679));
  EXPECT_EQ(property("Command1(0)", u"Left"), host::Value::number(4680));
}

TEST_F(Form1Test, FailingTopOrMoveLeavesTheControlWhereTheOtherMovePutsIt) {
  applyRefusing(8, support::anyOf({startsWith("call Command1(22).Move "),
                                   nth(lineIs("get Command1(4).Top"), 2)}));
  EXPECT_EQ(property("Command1(22)", u"Left"), host::Value::number(2400));
  EXPECT_EQ(property("Command1(4)", u"Left"), host::Value::number(1));
}

// --- a failing advance: the rest of the controls are not visited --------------------------------

TEST_F(Form1Test, FailingAdvanceLeavesTheRemainingButtonsAloneButStillRefreshes) {
  presetAll();
  const auto before = snapshot();
  applyRefusing(3, nth(startsWith("advance "), 10));  // after Command1(1), the tenth control
  EXPECT_EQ(host.trace().back(), "refresh Form1");
  EXPECT_EQ(property("Command1(1)", u"Style"), host::Value::int16(1));
  for (const char* target : {"Command1(4)", "Command1(22)", "Command1(0)"}) {
    EXPECT_EQ(property(target, u"Style"), before.at(std::string(target) + ".Style")) << target;
  }
}

// --- a failing form refresh, and a host that refuses everything ---------------------------------

TEST_F(Form1Test, FailingFormRefreshReturnsNormally) {
  host.refuse(Operation::Refresh);
  EXPECT_NO_THROW(apply(3));
  EXPECT_EQ(host.trace().back(), "refresh Form1 !refused");
}

TEST_F(Form1Test, HostRefusingEverythingNeverMakesTheMethodFail) {
  host.refuseFrom(1);
  for (std::int16_t method = 0; method <= 11; ++method) {
    EXPECT_NO_THROW(apply(method)) << method;
  }
}

}  // namespace
