#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "host/forms_host.h"
#include "host/memory/memory_host.h"
#include "replay.h"
#include "tests/support/oracle.h"

namespace sweep {

inline constexpr int kPresses = 10;

struct RunResult {
  std::size_t calls = 0;
  std::size_t refused = 0;            // calls the host refused on purpose
  std::vector<std::string> problems;  // empty when every check held
};

// What a load and ten presses left: the host's trace and the errors that reached it, MetodoActual
// after each press, and any error that escaped the host.
struct Presses {
  const std::vector<host::memory::Call>& calls;
  const std::vector<host::memory::ReportedError>& reported;
  std::vector<int> numbers;
  std::vector<std::string> escaped;
};

// Loads Form1 on `host` and presses "PROBAR" ten times, with the host refusing the calls that
// `refused` names.
Presses runPresses(host::memory::MemoryHost& host, const Refusals& refused);

// Checks a run: the trace holds exactly the calls that the skip rules leave, no error reaches
// the host but a failed caption set, MetodoActual stays within 0 to 10, and every caption
// written names a method and its description. Returns the problems found.
std::vector<std::string> checkPresses(const Presses& run, const Refusals& refused);

// Runs and checks the presses on a fresh in-memory host.
RunResult pressRun(const Refusals& refused);

// Calls one routine directly on a fresh Form1 with no code behind it, under the same refusals,
// and checks that nothing escapes it and that its trace is the one `expected` walks.
using Routine = std::function<void(host::FormsHost&, host::FormRef)>;
RunResult routineRun(const Routine& routine, const std::function<void(support::Oracle&)>& expected,
                     const Refusals& refused);

}  // namespace sweep
