// Every host call of a load and ten presses of "PROBAR" refused in turn, alone and together with
// every later call, plus seeded random sets of refusals; each run's trace is checked against the
// statements that the skip rules leave.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "host/memory/memory_host.h"
#include "run.h"
#include "testbench/metodos.h"
#include "testbench/skin/cargar_skin.h"

namespace {

using support::Oracle;
using sweep::Refusals;
using sweep::RunResult;

// A sweep stops after this many failing runs: one is enough to see the fault.
constexpr int kFailuresShown = 3;

Refusals nothing() {
  return [](std::size_t) { return false; };
}
Refusals only(std::size_t k) {
  return [k](std::size_t ordinal) { return ordinal == k; };
}
Refusals from(std::size_t k) {
  return [k](std::size_t ordinal) { return ordinal >= k; };
}

// How many runs and refused calls a sweep covered, printed at its end.
class Tally {
 public:
  explicit Tally(std::string name) : name_(std::move(name)) {}

  // Counts the run and reports its problems; false once enough runs have failed.
  bool add(const RunResult& result, const std::string& run) {
    ++runs_;
    refused_ += result.refused;
    if (result.problems.empty()) return true;
    std::string message = run + ":";
    for (const std::string& problem : result.problems) message += "\n" + problem;
    ADD_FAILURE() << message;
    return ++failures_ < kFailuresShown;
  }

  ~Tally() {
    std::cout << "[  sweep   ] " << name_ << ": " << runs_ << " runs, " << refused_
              << " refused calls\n";
    ::testing::Test::RecordProperty("runs", std::to_string(runs_));
    ::testing::Test::RecordProperty("refused_calls", std::to_string(refused_));
  }

 private:
  std::string name_;
  std::size_t runs_ = 0;
  std::size_t refused_ = 0;
  int failures_ = 0;
};

// K: the host calls of the load and ten presses when nothing is refused.
std::size_t cleanCalls() {
  static const std::size_t k = sweep::pressRun(nothing()).calls;
  return k;
}

std::size_t fromEnvironment(const char* name, std::size_t fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::stoull(text) : fallback;
}

TEST(Sweep, CleanRunHoldsExactlyTheStatementsOfTheLoadAndTenPresses) {
  const RunResult clean = sweep::pressRun(nothing());
  for (const std::string& problem : clean.problems) ADD_FAILURE() << problem;
  EXPECT_EQ(clean.refused, 0u);
  ASSERT_GT(clean.calls, 1000u);  // thirteen controls visited eleven times
  std::cout << "[  sweep   ] K = " << clean.calls << " host calls\n";
  RecordProperty("K", std::to_string(clean.calls));
}

TEST(Sweep, RefusingEachCallAlone) {
  Tally tally("each call alone");
  for (std::size_t k = 1; k <= cleanCalls(); ++k) {
    if (!tally.add(sweep::pressRun(only(k)), "refusing call " + std::to_string(k))) break;
  }
}

TEST(Sweep, RefusingEveryCallFromOneOn) {
  Tally tally("every call from k on");
  for (std::size_t k = 1; k <= cleanCalls(); ++k) {
    if (!tally.add(sweep::pressRun(from(k)), "refusing every call from " + std::to_string(k))) {
      break;
    }
  }
}

// Each run draws how dense its refusals are, then which calls. A failing run names its seed;
// SKINBENCH_SWEEP_SEED=<seed> SKINBENCH_SWEEP_RUNS=1 replays it alone.
TEST(Sweep, RefusingRandomSetsOfCalls) {
  const std::size_t base = fromEnvironment("SKINBENCH_SWEEP_SEED", 20240611);
  const std::size_t runs = fromEnvironment("SKINBENCH_SWEEP_RUNS", 300);
  // A faulted run may make more calls than the clean one (a failed selection test selects).
  const std::size_t span = 3 * cleanCalls();
  constexpr double kDensities[] = {0.001, 0.004, 0.02, 0.1, 0.4};
  Tally tally("random sets from seed " + std::to_string(base));
  for (std::size_t run = 0; run < runs; ++run) {
    const std::size_t seed = base + run;
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    std::bernoulli_distribution refuse(kDensities[random() % std::size(kDensities)]);
    std::vector<bool> refused(span + 1);
    for (std::size_t ordinal = 1; ordinal <= span; ++ordinal) refused[ordinal] = refuse(random);
    const Refusals plan = [&refused](std::size_t ordinal) {
      return ordinal < refused.size() && refused[ordinal];
    };
    if (!tally.add(sweep::pressRun(plan), "seed " + std::to_string(seed))) break;
  }
}

// CargarSkin (with Quitar3D true and false) and AplicarMetodo for every method number and a few
// that name none, called directly: every call of each refused alone and from it on.
TEST(Sweep, NoFailureEscapesCargarSkinOrAplicarMetodo) {
  struct Case {
    std::string name;
    sweep::Routine routine;
    std::function<void(Oracle&)> expected;
  };
  std::vector<Case> cases;
  for (const bool quitar3D : {true, false}) {
    cases.push_back({"CargarSkin Quitar3D " + std::to_string(quitar3D),
                     [quitar3D](host::FormsHost& host, host::FormRef form) {
                       testbench::CargarSkin(host, form, host::Boolean::of(quitar3D), -1);
                     },
                     [quitar3D](Oracle& oracle) { oracle.skin(quitar3D); }});
  }
  for (int n = -1; n <= 11; ++n) {
    cases.push_back({"AplicarMetodo " + std::to_string(n),
                     [n](host::FormsHost& host, host::FormRef form) {
                       testbench::AplicarMetodo(host, form, static_cast<std::int16_t>(n));
                     },
                     [n](Oracle& oracle) { oracle.method(n); }});
  }
  Tally tally("CargarSkin and AplicarMetodo called directly");
  for (const Case& c : cases) {
    const std::size_t calls = sweep::routineRun(c.routine, c.expected, nothing()).calls;
    for (std::size_t k = 0; k <= calls; ++k) {
      const std::string run = c.name + ", refusing call " + std::to_string(k);
      if (!tally.add(sweep::routineRun(c.routine, c.expected, only(k)), run + " alone")) return;
      if (!tally.add(sweep::routineRun(c.routine, c.expected, from(k + 1)), run + " on")) return;
    }
  }
}

}  // namespace
