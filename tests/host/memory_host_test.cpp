#include "host/memory/memory_host.h"

#include <gtest/gtest.h>

#include <memory>

#include "host/error.h"
#include "tests/support/forms.h"
#include "tests/support/printers.h"
#include "tests/support/refusals.h"

namespace {

using host::ErrorCode;
using host::HostError;
using host::Value;
using host::memory::MemoryHost;
using host::memory::Operation;
using support::Lines;

class MemoryHostTest : public ::testing::Test {
 protected:
  MemoryHostTest()
      : form(host.addForm(
            support::formWith(u"F", {support::control(u"Command1", 3, u"CommandButton"),
                                     support::control(u"txtNombre", {}, u"TextBox")}))),
        button(host.control(form, u"Command1", 3)),
        text(host.control(form, u"txtNombre")) {}

  // Calls that are never refused unless the test says so, three of them.
  void threeCalls() {
    for (int i = 0; i < 3; ++i) {
      try {
        host.setProperty(button, u"Tag", Value::int16(static_cast<std::int16_t>(i)));
      } catch (const HostError&) {
      }
    }
  }

  MemoryHost host;
  host::FormRef form;
  host::ControlRef button;
  host::ControlRef text;
};

TEST_F(MemoryHostTest, NumbersCallsFromOneAndAgainAfterClearingTheTrace) {
  threeCalls();
  ASSERT_EQ(host.calls().size(), 3u);
  EXPECT_EQ(host.calls()[0].ordinal, 1u);
  EXPECT_EQ(host.calls()[2].ordinal, 3u);
  host.clearTrace();
  host.yield();
  EXPECT_EQ(host.calls().front().ordinal, 1u);
}

TEST_F(MemoryHostTest, DescribesEachCallOnOneLine) {
  host.setProperty(button, u"Style", Value::int16(1));
  (void)host.getProperty(text, u"Name");
  (void)host.typeName(host::ControlRef{});
  const Value move[] = {Value::number(2401), Value::number(0)};
  host.callMethod(button, u"Move", move);
  (void)host.textEquals(u"TextBox", u"CheckBox");
  host.setCaption(form, u"Prueba 1: ñ");
  (void)host.flagSet(host::kTrue);
  EXPECT_EQ(host.trace(), (Lines{"set Command1(3).Style 1", "get txtNombre.Name", "type -",
                                 "call Command1(3).Move 2401 0", "equals \"TextBox\" \"CheckBox\"",
                                 "caption F \"Prueba 1: ñ\"", "flag True"}));
}

TEST_F(MemoryHostTest, RefuseCallRefusesOnlyThatOrdinal) {
  host.refuseCall(2);
  threeCalls();
  EXPECT_EQ(host.trace(), (Lines{"set Command1(3).Tag 0", "set Command1(3).Tag 1 !refused",
                                 "set Command1(3).Tag 2"}));
}

TEST_F(MemoryHostTest, RefuseFromRefusesThatOrdinalAndEveryLaterOne) {
  host.refuseFrom(2);
  threeCalls();
  EXPECT_EQ(host.trace(), (Lines{"set Command1(3).Tag 0", "set Command1(3).Tag 1 !refused",
                                 "set Command1(3).Tag 2 !refused"}));
}

TEST_F(MemoryHostTest, RefuseByOperationMemberAndTargetMatchesOnlyThose) {
  host.refuse(Operation::SetProperty, u"BackColor", "Command1(3)");
  EXPECT_THROW(host.setProperty(button, u"BackColor", Value::int32(1)), HostError);
  EXPECT_NO_THROW(host.setProperty(button, u"ForeColor", Value::int32(1)));
  EXPECT_NO_THROW(host.setProperty(text, u"BackColor", Value::int32(1)));
  EXPECT_NO_THROW((void)host.getProperty(button, u"ForeColor"));
}

TEST_F(MemoryHostTest, RefuseByOperationAloneMatchesEveryMemberAndTarget) {
  host.refuse(Operation::TypeName);
  EXPECT_THROW((void)host.typeName(button), HostError);
  EXPECT_THROW((void)host.typeName(host::ControlRef{}), HostError);
  EXPECT_NO_THROW(host.setProperty(text, u"BackColor", Value::int32(1)));
}

TEST_F(MemoryHostTest, RefusedSetChangesNothingAndRaisesRefused) {
  host.setProperty(button, u"BackColor", Value::int32(5));
  host.refuseFrom(2);
  try {
    host.setProperty(button, u"BackColor", Value::int32(9));
    FAIL() << "the set was not refused";
  } catch (const HostError& error) {
    EXPECT_EQ(error.code(), ErrorCode::Refused);
  }
  EXPECT_EQ(host.property(button, u"BackColor"), Value::int32(5));
}

TEST_F(MemoryHostTest, RefusedFormOperationsChangeNothing) {
  host.refuse([](const host::memory::Call&) { return true; });
  EXPECT_THROW(host.setCaption(form, u"x"), HostError);
  EXPECT_THROW(host.setBackColor(form, 1), HostError);
  EXPECT_THROW(host.refresh(form), HostError);
  EXPECT_EQ(host.caption(form), u"F");
  EXPECT_EQ(host.backColor(form), std::nullopt);
  EXPECT_EQ(host.refreshCount(form), 0);
}

TEST_F(MemoryHostTest, OwnRefusalsAreRecordedWithTheirCode) {
  EXPECT_THROW(host.setProperty(button, u"Name", Value::text(u"x")), HostError);
  EXPECT_THROW((void)host.getProperty(button, u"Nada"), HostError);
  EXPECT_THROW(host.setBackColor(host::FormRef{}, 1), HostError);
  EXPECT_THROW((void)host.rgb(256, 0, 0), HostError);
  EXPECT_EQ(host.trace(), (Lines{"set Command1(3).Name \"x\" !read-only member",
                                 "get Command1(3).Nada !unknown member", "backcolor - 1 !no object",
                                 "rgb 256 0 0 !invalid value"}));
  EXPECT_EQ(host.property(button, u"Name"), Value::text(u"Command1"));
}

TEST_F(MemoryHostTest, TellsTheObserverOfEachRefusalOwnOrScripted) {
  support::expectEachRefusalObserved(host, button);
  host.refuse([](const host::memory::Call&) { return true; });
  support::expectEachRefusalObserved(host, button, ErrorCode::Refused);
}

TEST_F(MemoryHostTest, EnumeratesInDefinitionOrder) {
  host::Enumerator enumeration = host.startEnumeration(host.controls(form));
  EXPECT_EQ(enumeration.current, button);
  host.advance(enumeration);
  EXPECT_EQ(enumeration.current, text);
  host.advance(enumeration);
  EXPECT_TRUE(enumeration.atEnd());
}

TEST_F(MemoryHostTest, OnYieldRunsInsideTheYield) {
  std::vector<std::string> order;
  host.onYield([&] {
    order.push_back("inside");
    host.setProperty(button, u"Tag", Value::int16(1));
  });
  host.yield();
  order.push_back("after");
  EXPECT_EQ(order, (std::vector<std::string>{"inside", "after"}));
  EXPECT_EQ(host.trace(), (Lines{"yield", "set Command1(3).Tag 1"}));

  host.onYield({});
  host.yield();
  EXPECT_EQ(order.size(), 2u);
}

// A form's code whose handlers raise host errors, to see what reaches the host.
class FailingCode final : public host::FormCode {
 public:
  explicit FailingCode(int* loads) : loads_(loads) {}
  std::vector<host::HandlerBinding> handlers() override {
    return {{u"F", host::Event::Load,
             [this] {
               ++*loads_;
               throw HostError(ErrorCode::Overflow, "overflow in load");
             }},
            {u"Command1", host::Event::Click,
             [] { throw HostError(ErrorCode::NoObject, "no object in click"); }}};
  }

 private:
  int* loads_;
};

TEST(MemoryHostStart, ErrorsLeavingHandlersAreRecordedAndTheRunGoesOn) {
  MemoryHost host;
  int loads = 0;
  const host::FormDefinition definition =
      support::formWith(u"F", {support::control(u"Command1", 0, u"CommandButton")});
  host::Project project;
  project.startupForm = &definition;
  project.createCode = [&](host::FormsHost&, host::FormRef) {
    return std::make_unique<FailingCode>(&loads);
  };

  const host::FormRef form = host.start(project);
  host.click(host.control(form, u"Command1", 0));

  EXPECT_EQ(loads, 1);
  ASSERT_EQ(host.reportedErrors().size(), 2u);
  EXPECT_EQ(host.reportedErrors()[0].event, host::Event::Load);
  EXPECT_EQ(host.reportedErrors()[0].code, ErrorCode::Overflow);
  EXPECT_EQ(host.reportedErrors()[0].message, "overflow in load");
  EXPECT_EQ(host.reportedErrors()[1].event, host::Event::Click);
  EXPECT_EQ(host.reportedErrors()[1].source, u"Command1");
  EXPECT_EQ(host.reportedErrors()[1].code, ErrorCode::NoObject);
}

}  // namespace
