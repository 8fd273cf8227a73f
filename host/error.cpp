#include "host/error.h"

namespace host {

std::string_view codeName(ErrorCode code) {
  switch (code) {
    case ErrorCode::UnknownMember:
      return "unknown member";
    case ErrorCode::ReadOnly:
      return "read-only member";
    case ErrorCode::TypeMismatch:
      return "type mismatch";
    case ErrorCode::InvalidValue:
      return "invalid value";
    case ErrorCode::NoObject:
      return "no object";
    case ErrorCode::Overflow:
      return "overflow";
    case ErrorCode::WrongArguments:
      return "wrong number of arguments";
    case ErrorCode::NotInArray:
      return "not in a control array";
    case ErrorCode::Refused:
      return "refused";
  }
  return "unknown error";
}

HostError::HostError(ErrorCode code, const std::string& message)
    : std::runtime_error(message), code_(code) {}

}  // namespace host
