#pragma once

#include <memory>
#include <type_traits>

#include "host/win32/windows_api.h"

namespace tour::win32 {

// A hook into this thread's messages, removed when it goes.
struct HookRelease {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using Hook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRelease>;

}  // namespace tour::win32
