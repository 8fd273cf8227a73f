#pragma once

#include <string>

#include "host/win32/windows_api.h"

namespace host::win32 {

// Gives a text box a name for assistive technology. The platform names a button or a check box
// by its caption, but a text box's window text is its value, and with no label beside it the
// platform finds no name at all. The text box answers the platform's request for its accessible
// object with the standard one, named. `name` must outlive the window.
void nameTextBox(HWND textBox, const std::wstring& name);

}  // namespace host::win32
