// One press of "PROBAR": the next method, its description and the caption, in that order.
#include <gtest/gtest.h>

#include <array>

#include "banco.h"
#include "tests/support/captions.h"

namespace {

using banco::captionLine;
using banco::Form1Test;
using banco::Lines;
using banco::methodTrace;
using host::ErrorCode;
using host::memory::Operation;

using support::kCaptions;

// The whole trace of one undisturbed press that runs `method`.
Lines pressTrace(int method) {
  Lines lines = methodTrace(method);
  lines.push_back(captionLine(kCaptions[method - 1]));
  return lines;
}

TEST_F(Form1Test, PressesRunTheMethodsInTurnAndWrapAfterTen) {
  ASSERT_EQ(metodoActual(), 0);
  ASSERT_EQ(host.caption(form), u"Form1");
  for (int k = 1; k <= 11; ++k) {
    SCOPED_TRACE(k);
    const int method = (k - 1) % 10 + 1;
    host.clearTrace();
    press();
    EXPECT_EQ(host.trace(), pressTrace(method));
    EXPECT_EQ(host::toUtf8(host.caption(form)), kCaptions[method - 1]);
    EXPECT_EQ(metodoActual(), method);
  }
  EXPECT_TRUE(host.reportedErrors().empty());
}

TEST_F(Form1Test, RefusedCaptionKeepsTheOldCaptionAndTheAdvancedNumber) {
  press();
  host.refuse(Operation::SetCaption);
  press();
  EXPECT_EQ(host::toUtf8(host.caption(form)), kCaptions[0]);
  EXPECT_EQ(metodoActual(), 2);
  ASSERT_EQ(host.reportedErrors().size(), 1u);
  EXPECT_EQ(host.reportedErrors()[0].event, host::Event::Click);
  EXPECT_EQ(host.reportedErrors()[0].source, u"cmdProbar");
  EXPECT_EQ(host.reportedErrors()[0].code, ErrorCode::Refused);
  EXPECT_EQ(property("Command1(0)", u"Style"), host::Value::int16(1));  // method 2 stays done

  host.clearRefusals();
  press();
  EXPECT_EQ(host::toUtf8(host.caption(form)), kCaptions[2]);
  EXPECT_EQ(metodoActual(), 3);
}

TEST_F(Form1Test, FailuresInsideTheMethodDoNotStopThePress) {
  host.refuse(
      [](const host::memory::Call& call) { return call.operation != Operation::SetCaption; });
  metodoActual() = 2;
  press();
  EXPECT_EQ(host::toUtf8(host.caption(form)), kCaptions[2]);
  EXPECT_TRUE(host.reportedErrors().empty());
}

TEST_F(Form1Test, OverflowingAddEndsThePressBeforeAnythingIsStored) {
  metodoActual() = 32767;
  press();
  EXPECT_EQ(metodoActual(), 32767);
  EXPECT_TRUE(host.trace().empty());
  EXPECT_EQ(host.caption(form), u"Form1");
  ASSERT_EQ(host.reportedErrors().size(), 1u);
  EXPECT_EQ(host.reportedErrors()[0].code, ErrorCode::Overflow);
}

TEST_F(Form1Test, PressDuringTheFirstYieldOfMethodNineRunsMethodTenNested) {
  metodoActual() = 8;
  bool delivered = false;
  host.onYield([&] {
    if (delivered) return;
    delivered = true;
    press();
  });
  press();

  // Method 9 up to its first yield, the whole nested press, then the rest of method 9 and the
  // caption for the number the nested press left.
  Lines expected = methodTrace(9);
  const auto firstYield = std::find(expected.begin(), expected.end(), "yield");
  const Lines nested = pressTrace(10);
  expected.insert(firstYield + 1, nested.begin(), nested.end());
  expected.push_back(captionLine(kCaptions[9]));
  EXPECT_EQ(host.trace(), expected);

  EXPECT_EQ(host::toUtf8(host.caption(form)), kCaptions[9]);
  EXPECT_EQ(metodoActual(), 10);
  // Command1(3) keeps the nested Style 0; method 9 then gave it its remaining three values.
  EXPECT_EQ(property("Command1(3)", u"Style"), host::Value::int16(0));
  EXPECT_EQ(property("Command1(3)", u"Appearance"), host::Value::int16(0));
  EXPECT_EQ(property("Command1(3)", u"BackColor"), host::Value::int32(banco::kButtonColor));
  EXPECT_EQ(property("Command1(2)", u"Style"), host::Value::int16(1));
  EXPECT_TRUE(host.reportedErrors().empty());
}

}  // namespace
