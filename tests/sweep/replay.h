#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/memory/memory_host.h"
#include "tests/support/oracle.h"

namespace sweep {

// Says whether the run refused the call with this ordinal on purpose.
using Refusals = std::function<bool(std::size_t ordinal)>;

// The recorded trace parted from what the statements called for.
struct Diverged : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Walks a recorded trace statement by statement. Each statement names the calls it would make if
// nothing failed; the recorded trace must hold them in that order up to the first one that
// failed, and none after it: the skip rules abandon a statement at its failing call. Whether a
// call failed is read from the trace, and only two kinds of failure are allowed: a refusal the
// run asked for, and the host's "no object" for a call on an empty reference ("-").
class Replay final : public support::Script {
 public:
  Replay(const std::vector<host::memory::Call>& calls, Refusals refused);

  // Returns whether every call of the statement succeeded. Throws Diverged when the trace does not
  // hold the calls the statement calls for.
  bool statement(std::initializer_list<std::string> lines) override;
  void where(const std::string& context) override { context_ = context; }

  // Throws Diverged when the trace holds calls that no statement called for.
  void finish() const;

 private:
  bool take(const std::string& line);
  [[noreturn]] void diverge(const std::string& problem) const;

  const std::vector<host::memory::Call>& calls_;
  Refusals refused_;
  std::size_t next_ = 0;
  std::string context_;
};

}  // namespace sweep
