#pragma once

#include <optional>
#include <span>

#include "host/core/control_type.h"
#include "host/core/member_tables.h"
#include "host/win32/control.h"

namespace host::win32 {

// The members of one control type, looked up by name when the program calls them.
const MemberTableOf<Control>& membersOf(ControlType type);

using host::controlTypeNamed;

// Creates the window of a control type as a child of `parent`, at the control's place at its
// dots per inch, showing `caption` (a text box's text), starting a group of controls or joining
// the one before it, with the host's defaults.
HWND createWindow(Control& control, HWND parent, int id, const Text& caption, bool startsGroup);

// The styles of a button window that stand for a command button's "Style".
LONG_PTR buttonStyleFor(std::int16_t style);

}  // namespace host::win32
