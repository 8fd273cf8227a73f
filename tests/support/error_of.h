#pragma once

#include <optional>

#include "host/error.h"

namespace support {

// Runs `operation` and gives the code of the HostError it raised, or nothing if it raised none.
template <class F>
std::optional<host::ErrorCode> errorOf(F&& operation) {
  try {
    operation();
  } catch (const host::HostError& error) {
    return error.code();
  }
  return std::nullopt;
}

}  // namespace support
