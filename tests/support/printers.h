#pragma once

#include <ostream>

#include "host/error.h"
#include "host/value.h"

// Readable failure messages for host types in gtest expectations.
namespace host {

inline void PrintTo(ErrorCode code, std::ostream* out) {
  *out << codeName(code) << " (" << static_cast<int>(code) << ")";
}

inline void PrintTo(const Value& value, std::ostream* out) {
  *out << kindName(value.kind()) << " " << describe(value);
}

}  // namespace host
