#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace host {

// Stable codes for every way a host operation can refuse. The numbers are ours and never change
// once released; tests and the error report on standard error show them.
enum class ErrorCode : int {
  UnknownMember = 1,   // the control type has no such property or method
  ReadOnly = 2,        // the property cannot be set
  TypeMismatch = 3,    // the value's kind does not fit the member
  InvalidValue = 4,    // the kind fits but the value is out of the member's range
  NoObject = 5,        // the reference is empty or names no live object
  Overflow = 6,        // 16-bit (or 32-bit) integer arithmetic or conversion overflowed
  WrongArguments = 7,  // a method was called with the wrong number of arguments
  NotInArray = 8,      // "Index" asked of a control that belongs to no control array
  Refused = 9,         // refused on purpose (the in-memory test host's scripted refusals)
};

std::string_view codeName(ErrorCode code);

// The one error type of the host. Every refusal of a host operation, and every overflow of the
// program's 16-bit arithmetic, is raised as a HostError.
class HostError : public std::runtime_error {
 public:
  HostError(ErrorCode code, const std::string& message);
  ErrorCode code() const { return code_; }

 private:
  ErrorCode code_;
};

}  // namespace host
