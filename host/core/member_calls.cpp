#include "host/core/member_calls.h"

#include <string>

namespace host {

void refuseUnknownMember(const ControlRecord& control, const char* kind, TextView name) {
  throw HostError(ErrorCode::UnknownMember, "unknown member: " + toUtf8(control.typeName) + " " +
                                                describe(control) + " has no " + kind + " " +
                                                toUtf8(name));
}

void refuseReadOnly(const ControlRecord& control, TextView name) {
  throw HostError(ErrorCode::ReadOnly,
                  "read-only member: " + describe(control) + "." + toUtf8(name) + " cannot be set");
}

void refuseArguments(const ControlRecord& control, TextView name, std::size_t minArguments,
                     std::size_t maxArguments) {
  throw HostError(ErrorCode::WrongArguments, "wrong number of arguments: " + describe(control) +
                                                 "." + toUtf8(name) + " takes " +
                                                 std::to_string(minArguments) + " to " +
                                                 std::to_string(maxArguments));
}

void refuseStoredSetting(const ControlRecord& control, TextView member) {
  throw HostError(ErrorCode::UnknownMember, "unknown member: the definition sets " +
                                                toUtf8(member) + " on " + describe(control));
}

HostError naming(const HostError& error, const ControlRecord& control, TextView member) {
  return HostError(error.code(), describe(control) + "." + toUtf8(member) + ": " + error.what());
}

}  // namespace host
