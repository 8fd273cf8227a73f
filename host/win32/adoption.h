#pragma once

#include "host/core/control_type.h"
#include "host/text.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

// What a child window of an adopted dialog is to the host: the type name the program reads, and
// the control type whose members it has. One table gives both: a BUTTON by its style (push and
// default push "CommandButton"; check box, auto, three-state and auto three-state "CheckBox";
// radio and auto radio "OptionButton"; group box "Frame"), EDIT "TextBox", STATIC "Label",
// COMBOBOX "ComboBox", LISTBOX "ListBox", class names compared without regard to case; any other
// window, a button of another style included, by its class name, with the members every control
// has.
struct AdoptedType {
  Text typeName;
  ControlType type;
};
AdoptedType adoptedTypeOf(HWND window);

// The window's class as the system names it ("Button", "SysListView32").
Text windowClassName(HWND window);

}  // namespace host::win32
