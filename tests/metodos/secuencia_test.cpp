// The exact host calls of each test method when the host refuses nothing.
#include <gtest/gtest.h>

#include "banco.h"

namespace {

using banco::Form1Test;
using banco::methodTrace;
using host::ValueKind;
using host::memory::Operation;

class MethodSequence : public Form1Test, public ::testing::WithParamInterface<int> {};

TEST_P(MethodSequence, SelectsTheSixCommand1ButtonsAndRunsEveryStepInOrder) {
  apply(static_cast<std::int16_t>(GetParam()));
  EXPECT_EQ(host.trace(), methodTrace(GetParam()));
}

TEST_P(MethodSequence, ComposesTheColoursAfreshOnEveryCall) {
  apply(static_cast<std::int16_t>(GetParam()));
  host.clearTrace();
  apply(static_cast<std::int16_t>(GetParam()));
  EXPECT_EQ(host.trace(), methodTrace(GetParam()));
}

TEST_P(MethodSequence, PassesEachValueWithItsKind) {
  const std::map<host::Text, ValueKind> kinds = {{u"Style", ValueKind::Int16},
                                                 {u"Appearance", ValueKind::Int16},
                                                 {u"BackColor", ValueKind::Int32},
                                                 {u"ForeColor", ValueKind::Int32},
                                                 {u"Enabled", ValueKind::Boolean}};
  apply(static_cast<std::int16_t>(GetParam()));
  for (const host::memory::Call& call : host.calls()) {
    if (call.operation == Operation::SetProperty) {
      ASSERT_TRUE(kinds.contains(call.member)) << describe(call);
      EXPECT_EQ(call.arguments.at(0).kind(), kinds.at(call.member)) << describe(call);
    }
    if (call.operation == Operation::CallMethod && call.member == u"Move") {
      for (const host::Value& argument : call.arguments) {
        EXPECT_EQ(argument.kind(), ValueKind::Number) << describe(call);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllTen, MethodSequence, ::testing::Range(1, 11));

class NoMethod : public Form1Test, public ::testing::WithParamInterface<int> {};

TEST_P(NoMethod, AsksEveryControlItsTypeAndNameAndChangesNothing) {
  const auto before = snapshot();
  apply(static_cast<std::int16_t>(GetParam()));
  EXPECT_EQ(host.trace(), methodTrace(0));  // selection only, and no form refresh
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(host.refreshCount(form), 0);
}

TEST_P(NoMethod, HasNoDescription) {
  EXPECT_EQ(testbench::DescripcionMetodo(static_cast<std::int16_t>(GetParam())), u"");
}

INSTANTIATE_TEST_SUITE_P(OutsideOneToTen, NoMethod, ::testing::Values(0, 11, -1, 32767, -32768));

TEST_F(Form1Test, MethodNineYieldsFourTimesPerButton) {
  apply(9);
  int yields = 0;
  for (const host::memory::Call& call : host.calls()) yields += call.operation == Operation::Yield;
  EXPECT_EQ(yields, 24);
}

TEST_F(Form1Test, MethodThreeRefreshesTheFormOnceAfterTheLastControl) {
  apply(3);
  EXPECT_EQ(host.refreshCount(form), 1);
  EXPECT_EQ(host.trace().back(), "refresh Form1");
}

TEST_F(Form1Test, MethodThreeRefreshesTheFormAlsoWhenNoControlIsSelected) {
  // A command button with another name, and a "Command1" that is no command button.
  const host::FormRef other = host.addForm(
      support::formWith(u"Otro", {support::control(u"cmdProbar", std::nullopt, u"CommandButton"),
                                  support::control(u"Command1", 0, u"TextBox")}));
  const host::FormRef empty = host.addForm(support::formWith(u"Vacio", {}));
  host.clearTrace();

  testbench::AplicarMetodo(host, other, 3);
  testbench::AplicarMetodo(host, empty, 3);

  EXPECT_EQ(host.refreshCount(other), 1);
  EXPECT_EQ(host.refreshCount(empty), 1);
  for (const host::memory::Call& call : host.calls()) {
    EXPECT_NE(call.operation, Operation::SetProperty) << describe(call);
  }
}

}  // namespace
