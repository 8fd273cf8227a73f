// What each test method does when the host refuses one of its calls: the failing statement is
// skipped and the method goes on where the skip rules say.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "banco.h"

namespace {

using banco::append;
using banco::Form1Test;
using banco::headerLines;
using banco::Lines;
using banco::methodTrace;
using banco::sample;
using banco::samples;
using banco::selectionLines;
using banco::stepLines;
using banco::visitLines;
using host::memory::Call;
using host::memory::Operation;

// The trace of `method` on Form1 with one control's turn replaced by `visit`.
Lines traceWithVisit(int method, const std::string& target, const Lines& visit) {
  Lines lines = headerLines();
  for (const banco::Sample& c : samples())
    append(lines, c.target == target ? visit : visitLines(method, c));
  if (method == 3) lines.push_back("refresh Form1");
  return lines;
}

void markRefused(Lines& lines, const std::string& line) {
  const auto found = std::find(lines.begin(), lines.end(), line);
  ASSERT_NE(found, lines.end()) << line;
  *found += " !refused";
}

// Refuses only the `nth` call of `operation` (1 for the first).
host::memory::MemoryHost::Rule nthCall(Operation operation, int nth) {
  auto seen = std::make_shared<int>(0);
  return [=](const Call& call) { return call.operation == operation && ++*seen == nth; };
}

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
  EXPECT_EQ(snapshot(), before);
}

TEST_F(Form1Test, FailingControlCollectionEndsInTheFormRefreshOfMethodThree) {
  host.refuse(Operation::Controls);
  apply(3);
  const Lines expected = {"rgb 70 130 180",
                          "rgb 255 255 255",
                          "controls Form1 !refused",
                          "type -",
                          "equals \"\" \"CommandButton\"",
                          "get -.Name !no object",
                          "set -.Style 1 !no object",
                          "set -.Appearance 0 !no object",
                          "set -.BackColor 11829830 !no object",
                          "set -.ForeColor 16777215 !no object",
                          "refresh Form1"};
  EXPECT_EQ(host.trace(), expected);
}

// --- a failing selection test: the control is treated as selected ------------------------------

TEST_F(Form1Test, FailingTypeNameAppliesTheMethodWithoutAskingTheName) {
  host.refuse(Operation::TypeName, {}, "Text1(0)");
  apply(1);
  Lines visit = {"type Text1(0) !refused"};
  append(visit, stepLines(1, sample("Text1(0)")));
  visit.push_back("advance Form1");
  EXPECT_EQ(host.trace(), traceWithVisit(1, "Text1(0)", visit));
  EXPECT_EQ(property("Text1(0)", u"Style"), host::Value::int16(1));
}

TEST_F(Form1Test, FailingNameOfCmdProbarAppliesTheMethodToIt) {
  host.refuse(Operation::GetProperty, u"Name", "cmdProbar");
  apply(6);
  Lines visit = selectionLines(sample("cmdProbar"));
  visit.resize(3);
  visit.back() += " !refused";
  append(visit, stepLines(6, sample("cmdProbar")));
  visit.push_back("advance Form1");
  EXPECT_EQ(host.trace(), traceWithVisit(6, "cmdProbar", visit));
}

// Refuses the comparisons whose first text is `first`.
void refuseComparisonOf(host::memory::MemoryHost& host, const std::string& first) {
  host.refuse([first](const Call& call) {
    return call.operation == Operation::TextEquals && host::describe(call.arguments[0]) == first;
  });
}

TEST_F(Form1Test, FailingTypeComparisonCountsAsSelected) {
  presetAll();
  refuseComparisonOf(host, "\"CheckBox\"");
  apply(5);
  EXPECT_EQ(coloured(),
            (std::set<std::string>{"Check1(0)", "Check1(1)", "Command1(0)", "Command1(1)",
                                   "Command1(2)", "Command1(3)", "Command1(4)", "Command1(22)"}));
}

TEST_F(Form1Test, FailingNameComparisonCountsAsSelected) {
  presetAll();
  refuseComparisonOf(host, "\"Option1\"");
  apply(5);
  EXPECT_EQ(coloured(),
            (std::set<std::string>{"Option1(0)", "Option1(1)", "Command1(0)", "Command1(1)",
                                   "Command1(2)", "Command1(3)", "Command1(4)", "Command1(22)"}));
}

// --- a failing step: the next step runs, and so do the further buttons --------------------------

TEST_F(Form1Test, RefusedAssignmentSkipsOnlyThatStep) {
  host.refuse(Operation::SetProperty, u"Appearance", "Command1(2)");
  apply(1);
  Lines expected = methodTrace(1);
  markRefused(expected, "set Command1(2).Appearance 0");
  EXPECT_EQ(host.trace(), expected);
}

TEST_F(Form1Test, RefusedYieldAndRefreshCallAreSkippedLikeAnyStep) {
  host.refuse(nthCall(Operation::Yield, 1));
  host.refuse(Operation::CallMethod, u"Refresh", "Command1(3)");
  apply(9);
  Lines expected = methodTrace(9);
  expected[std::find(expected.begin(), expected.end(), "yield") - expected.begin()] += " !refused";
  EXPECT_EQ(host.trace(), expected);
  host.clearTrace();
  apply(2);
  expected = methodTrace(2);
  markRefused(expected, "call Command1(3).Refresh");
  EXPECT_EQ(host.trace(), expected);
}

// --- method 8: a failing "Left" abandons its move ----------------------------------------------

TEST_F(Form1Test, FailingLeftSkipsTopAndMoveSoTheButtonEndsOneTwipLeft) {
  auto lefts = std::make_shared<int>(0);
  host.refuse([lefts](const Call& call) {
    return call.target == "Command1(1)" && call.member == u"Left" && ++*lefts == 1;
  });
  apply(8);

  Lines visit = selectionLines(sample("Command1(1)"));
  append(visit, {"set Command1(1).Style 1", "set Command1(1).Appearance 0",
                 "set Command1(1).BackColor 11829830", "set Command1(1).ForeColor 16777215",
                 "get Command1(1).Left !refused", "get Command1(1).Left", "get Command1(1).Top",
                 "call Command1(1).Move 4679 0", "advance Form1"});
  EXPECT_EQ(host.trace(), traceWithVisit(8, "Command1(1)", visit));
  EXPECT_EQ(property("Command1(1)", u"Left"), host::Value::number(4679));
  EXPECT_EQ(property("Command1(0)", u"Left"), host::Value::number(4680));
}

TEST_F(Form1Test, FailingTopOrMoveLeavesTheControlWhereTheOtherMovePutsIt) {
  host.refuse(Operation::CallMethod, u"Move", "Command1(22)");
  auto tops = std::make_shared<int>(0);
  host.refuse([tops](const Call& call) {
    return call.target == "Command1(4)" && call.member == u"Top" && ++*tops == 2;
  });
  apply(8);

  Lines expected = methodTrace(8);
  markRefused(expected, "call Command1(22).Move 2401 720");
  // The first move was refused, so the second starts from the original left.
  *std::find(expected.begin(), expected.end(), "call Command1(22).Move 2400 720") =
      "call Command1(22).Move 2399 720 !refused";
  const auto secondTop = std::find(expected.rbegin(), expected.rend(), "get Command1(4).Top");
  *secondTop += " !refused";
  expected.erase(std::find(expected.begin(), expected.end(), "call Command1(4).Move 0 720"));
  EXPECT_EQ(host.trace(), expected);
  EXPECT_EQ(property("Command1(22)", u"Left"), host::Value::number(2400));
  EXPECT_EQ(property("Command1(4)", u"Left"), host::Value::number(1));
}

// --- a failing advance: the rest of the controls are not visited --------------------------------

TEST_F(Form1Test, FailingAdvanceLeavesTheRemainingButtonsAloneButStillRefreshes) {
  host.refuse(nthCall(Operation::Advance, 10));  // after Command1(1), the tenth control
  presetAll();
  const auto before = snapshot();
  apply(3);

  Lines expected = headerLines();
  for (std::size_t i = 0; i < 10; ++i) append(expected, visitLines(3, samples()[i]));
  expected.back() += " !refused";
  expected.push_back("refresh Form1");
  EXPECT_EQ(host.trace(), expected);
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
