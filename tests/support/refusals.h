#pragma once

#include <optional>

#include "host/core/host_base.h"

namespace support {

// Every operation of the forms host that can fail, refused in turn on `host`, whose `control` is
// a live control: each refusal reaches the caller as a HostError with its code, and reaches the
// refusal observer once, with the same code. Without `everyCallRefusedWith` each operation is
// refused as every host refuses it on its own (an empty reference, an unknown member); with it,
// the host refuses every call with that code (the in-memory host's rules), and the operations
// that only such a rule refuses are tried too.
void expectEachRefusalObserved(host::HostBase& host, host::ControlRef control,
                               std::optional<host::ErrorCode> everyCallRefusedWith = {});

}  // namespace support
