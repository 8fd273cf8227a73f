#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/definition.h"
#include "host/handles.h"
#include "host/memory/memory_host.h"
#include "tests/support/oracle.h"

// Small form definitions for tests, a readable snapshot of what the skin can change, and refusals
// named by the lines of the calls.
namespace support {

host::ControlDefinition control(host::Text name, std::optional<std::int16_t> index,
                                host::Text typeName);
host::FormDefinition formWith(host::Text name, std::vector<host::ControlDefinition> controls);

// "Prueba": a command button, a text box, a check box, an option button and a "Label", a type
// the skin does not know, in that order.
host::FormDefinition oneOfEachType();

// The form's background and, for every control, each member a skin rule sets, one line each:
// "Text1(0).BackColor 16777215", or "Text1(0).Style unset" for a member never set.
Lines skinState(const host::memory::MemoryHost& host, host::FormRef form);

// Has `host` refuse the calls that `rule` names, as expectedTrace() does.
void refuseLines(host::memory::MemoryHost& host, LineRule rule);

}  // namespace support
