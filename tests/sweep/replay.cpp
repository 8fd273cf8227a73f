#include "replay.h"

#include <algorithm>
#include <sstream>

namespace sweep {

using host::ErrorCode;
using host::memory::Call;
using host::memory::Operation;

namespace {

// The call as describe() gives it, without the " !code" that marks a failure.
bool sameCall(const Call& call, const std::string& line) {
  const std::string described = host::memory::describe(call);
  if (described.compare(0, line.size(), line) != 0) return false;
  return described.size() == line.size() ||
         (call.error && described.compare(line.size(), 2, " !") == 0);
}

// Every operation on an empty reference fails, except asking its type name.
bool onEmptyReference(const Call& call) {
  return call.target == "-" && call.operation != Operation::TypeName;
}

}  // namespace

Replay::Replay(const std::vector<Call>& calls, Refusals refused)
    : calls_(calls), refused_(std::move(refused)) {}

bool Replay::statement(std::initializer_list<std::string> lines) {
  for (const std::string& line : lines) {
    if (!take(line)) return false;
  }
  return true;
}

bool Replay::take(const std::string& line) {
  if (next_ >= calls_.size()) diverge("the trace ends where this call was due: " + line);
  const Call& call = calls_[next_];
  if (!sameCall(call, line)) diverge("expected: " + line);
  const bool refused = refused_(call.ordinal);
  if (refused && call.error != ErrorCode::Refused) diverge("the refusal did not take: " + line);
  if (!refused && onEmptyReference(call) && call.error != ErrorCode::NoObject) {
    diverge("a call on no control did not fail with no object");
  }
  if (!refused && !onEmptyReference(call) && call.error) {
    diverge("a call failed that nothing refused");
  }
  ++next_;
  return !call.error;
}

void Replay::finish() const {
  if (next_ < calls_.size()) diverge("calls that no statement called for");
}

void Replay::diverge(const std::string& problem) const {
  std::ostringstream message;
  message << "at call " << next_ + 1 << " (" << context_ << "): " << problem << "\nrecorded:";
  const std::size_t from = next_ >= 4 ? next_ - 4 : 0;
  const std::size_t to = std::min(calls_.size(), next_ + 3);
  for (std::size_t i = from; i < to; ++i) {
    message << "\n"
            << (i == next_ ? "> " : "  ") << calls_[i].ordinal << " "
            << host::memory::describe(calls_[i]);
  }
  throw Diverged(message.str());
}

}  // namespace sweep
