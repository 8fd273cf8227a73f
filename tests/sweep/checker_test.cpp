// The sweep's checker itself: runs doctored to break a rule must not pass it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run.h"

namespace {

using host::memory::Call;
using host::memory::MemoryHost;
using host::memory::ReportedError;

bool refusesNothing(std::size_t) {
  return false;
}

const std::vector<std::string> kNone;  // no problem found

class Checker : public ::testing::Test {
 protected:
  // The index in `calls` of the first call described as `line`.
  static std::size_t indexOf(const std::vector<Call>& calls, const std::string& line) {
    const auto found = std::find_if(calls.begin(), calls.end(), [&](const Call& call) {
      return host::memory::describe(call) == line;
    });
    EXPECT_NE(found, calls.end()) << line;
    return static_cast<std::size_t>(found - calls.begin());
  }

  std::vector<std::string> check(const std::vector<Call>& calls) {
    return sweep::checkPresses({calls, clean.reported, clean.numbers, {}}, refusesNothing);
  }

  MemoryHost host;
  const sweep::Presses clean = sweep::runPresses(host, refusesNothing);
  std::vector<Call> calls = clean.calls;
};

TEST_F(Checker, PassesTheCleanRun) {
  EXPECT_EQ(sweep::checkPresses(clean, refusesNothing), kNone);
}

TEST_F(Checker, RejectsAMissingAnExtraOrAnUnrefusedFailingCall) {
  const std::size_t at = indexOf(calls, "set Command1(2).Appearance 0");
  std::vector<Call> missing = calls;
  missing.erase(missing.begin() + static_cast<std::ptrdiff_t>(at));
  EXPECT_NE(check(missing), kNone);

  std::vector<Call> extra = calls;
  extra.insert(extra.begin() + static_cast<std::ptrdiff_t>(at), calls[at]);
  EXPECT_NE(check(extra), kNone);

  std::vector<Call> failing = calls;
  failing[at].error = host::ErrorCode::Refused;
  EXPECT_NE(check(failing), kNone);
}

// After a refused "Left" get, the "Top" get and the "Move" of that move must be gone.
TEST_F(Checker, RejectsAMoveThatGoesOnAfterItsRefusedLeft) {
  const std::size_t left = indexOf(calls, "get Command1(3).Left");
  const std::size_t ordinal = calls[left].ordinal;
  const auto refused = [ordinal](std::size_t k) { return k == ordinal; };
  MemoryHost faulted;
  const sweep::Presses run = sweep::runPresses(faulted, refused);
  ASSERT_EQ(sweep::checkPresses(run, refused), kNone);

  std::vector<Call> goesOn = run.calls;
  const auto after = goesOn.begin() + static_cast<std::ptrdiff_t>(left + 1);
  goesOn.insert(after, calls.begin() + static_cast<std::ptrdiff_t>(left + 1),
                calls.begin() + static_cast<std::ptrdiff_t>(left + 3));
  EXPECT_NE(sweep::checkPresses({goesOn, run.reported, run.numbers, {}}, refused), kNone);
}

TEST_F(Checker, RejectsACaptionWhoseNumberAndDescriptionDisagree) {
  Call& caption = calls[indexOf(calls, "caption Form1 \"Prueba 3: Igual a 1 + Form.Refresh\"")];
  caption.arguments = {host::Value::text(u"Prueba 3: Igual a 1 + Ctl.Refresh")};
  const auto problems = check(calls);
  EXPECT_NE(std::find(problems.begin(), problems.end(),
                      "number and description disagree: Prueba 3: Igual a 1 + Ctl.Refresh"),
            problems.end());
}

TEST_F(Checker, RejectsAnErrorFromTheLoadAndANumberOutOfRange) {
  std::vector<ReportedError> reported = {
      {host::Event::Load, u"Form1", host::ErrorCode::Refused, "refused"}};
  EXPECT_NE(sweep::checkPresses({calls, reported, clean.numbers, {}}, refusesNothing), kNone);

  std::vector<int> numbers = clean.numbers;
  numbers.back() = 11;
  EXPECT_NE(sweep::checkPresses({calls, clean.reported, numbers, {}}, refusesNothing), kNone);
}

}  // namespace
