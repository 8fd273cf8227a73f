#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "host/forms_host.h"
#include "model.h"
#include "replay.h"

namespace sweep {

inline constexpr int kPresses = 10;

struct RunResult {
  std::size_t calls = 0;
  std::size_t refused = 0;            // calls the host refused on purpose
  std::vector<std::string> problems;  // empty when every check held
};

// Loads Form1 and presses "PROBAR" ten times on a fresh in-memory host that refuses the calls
// `refused` names, then checks the run: the trace holds exactly the calls that the skip rules
// leave, no error reaches the host but a failed caption set, MetodoActual stays within 0 to 10,
// and every caption written names a method and its description.
RunResult pressRun(const Refusals& refused);

// Calls one routine directly on a fresh Form1 with no code behind it, under the same refusals,
// and checks that nothing escapes it and that its trace is the one `expected` walks.
using Routine = std::function<void(host::FormsHost&, host::FormRef)>;
RunResult routineRun(const Routine& routine, const std::function<void(Model&)>& expected,
                     const Refusals& refused);

}  // namespace sweep
