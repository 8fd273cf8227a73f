#include "host/resume_next.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "host/memory/memory_host.h"
#include "tests/support/forms.h"
#include "tests/support/printers.h"

namespace {

using host::ControlRef;
using host::ResumeNext;
using host::Value;
using host::memory::MemoryHost;
using host::memory::Operation;

// A host with one form of three text boxes, A, B and C.
class ResumeNextOnHost : public ::testing::Test {
 protected:
  ResumeNextOnHost()
      : form(host.addForm(support::formWith(
            u"F", {support::control(u"A", {}, u"TextBox"), support::control(u"B", {}, u"TextBox"),
                   support::control(u"C", {}, u"TextBox")}))) {}

  // The names of the controls the loop body was given, "-" for an empty reference.
  std::vector<std::string> visits(ResumeNext& resume) {
    std::vector<std::string> names;
    resume.forEachControl(host, form, [&](ControlRef control) {
      names.push_back(control.empty() ? "-"
                                      : host::toUtf8(host.property(control, u"Name")->asText()));
    });
    return names;
  }

  MemoryHost host;
  host::FormRef form;
};

TEST_F(ResumeNextOnHost, FailedStatementKeepsItsTargetAndTheNextOneRuns) {
  ResumeNext resume;
  const ControlRef a = host.control(form, u"A");
  Value left = Value::int16(7);
  host.refuse(Operation::GetProperty, u"Left");

  EXPECT_FALSE(resume.statement([&] { left = host.getProperty(a, u"Left"); }));
  EXPECT_TRUE(resume.statement([&] { host.setProperty(a, u"Tag", Value::int16(1)); }));

  EXPECT_EQ(left, Value::int16(7));
  EXPECT_EQ(host.property(a, u"Tag"), Value::int16(1));
}

TEST_F(ResumeNextOnHost, FailedStatementAbandonsItsRemainingPartsAndReleasesWhatItHeld) {
  ResumeNext resume;
  const auto held = std::make_shared<int>(0);
  bool reachedAfterFailure = false;
  host.refuseCall(1);

  resume.statement([&, copy = std::shared_ptr<int>()]() mutable {
    copy = held;
    host.yield();
    reachedAfterFailure = true;
  });

  EXPECT_FALSE(reachedAfterFailure);
  EXPECT_EQ(held.use_count(), 1);
}

TEST_F(ResumeNextOnHost, FailingTestCountsAsMet) {
  ResumeNext resume;
  host.refuse(Operation::TextEquals);
  EXPECT_TRUE(resume.test([&] { return host.textEquals(u"a", u"b"); }));
  host.clearRefusals();
  EXPECT_FALSE(resume.test([&] { return host.textEquals(u"a", u"b"); }));
  EXPECT_TRUE(resume.test([&] { return host.textEquals(u"a", u"a"); }));
}

TEST_F(ResumeNextOnHost, LoopVisitsEveryControlInOrder) {
  ResumeNext resume;
  EXPECT_EQ(visits(resume), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(host.trace(),
            (support::Lines{"controls F", "start F", "advance F", "advance F", "advance F"}));
}

TEST_F(ResumeNextOnHost, LoopOverNoControlsRunsNoBody) {
  ResumeNext resume;
  const host::FormRef empty = host.addForm(support::formWith(u"E", {}));
  int bodies = 0;
  resume.forEachControl(host, empty, [&](ControlRef) { ++bodies; });
  EXPECT_EQ(bodies, 0);
  EXPECT_EQ(host.trace(), (support::Lines{"controls E", "start E"}));
}

TEST_F(ResumeNextOnHost, FailingStartRunsTheBodyOnceWithNoControlAndNeverAdvances) {
  for (const Operation failing : {Operation::Controls, Operation::StartEnumeration}) {
    SCOPED_TRACE(static_cast<int>(failing));
    host.clearRefusals();
    host.clearTrace();
    host.refuse(failing);
    ResumeNext resume;

    EXPECT_EQ(visits(resume), (std::vector<std::string>{"-"}));
    for (const host::memory::Call& call : host.calls()) {
      EXPECT_NE(call.operation, Operation::Advance);
    }
  }
}

TEST_F(ResumeNextOnHost, FailingAdvanceLeavesTheLoop) {
  ResumeNext resume;
  host.refuseCall(3);  // controls, start, then the first advance
  EXPECT_EQ(visits(resume), (std::vector<std::string>{"A"}));
  EXPECT_EQ(host.trace(), (support::Lines{"controls F", "start F", "advance F !refused"}));
}

TEST_F(ResumeNextOnHost, ErrorsOtherThanTheHostsAreNotSwallowed) {
  ResumeNext resume;
  EXPECT_THROW(resume.statement([] { throw std::logic_error("bug"); }), std::logic_error);
  EXPECT_THROW(resume.test([]() -> bool { throw std::out_of_range("bug"); }), std::out_of_range);
  EXPECT_THROW(resume.forEachControl(host, form, [](ControlRef) { throw std::logic_error("bug"); }),
               std::logic_error);
}

TEST_F(ResumeNextOnHost, LackOfMemoryAbandonsOnlyTheStatement) {
  ResumeNext resume;
  EXPECT_FALSE(resume.statement([] { throw std::bad_alloc(); }));
  EXPECT_TRUE(resume.statement([] {}));
}

}  // namespace
