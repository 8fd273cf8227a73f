#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "host/win32/control_look.h"
#include "host/win32/windows_api.h"
#include "tour/core/adopted_form.h"

namespace tour::win32 {

// A dialog of a program's file made from its template by the platform's dialog manager, on a
// Win32 host of its own whose controls are drawn in `look`, adopted as the form `name` and shown
// as the foreground window, clear of the pointer, kept from the user's pointer and keys. Where it
// cannot be made (a class the file registers itself, a bad template), or cannot be shown whole
// (no area, larger than the screen), the opening says why in one line. Throws ReadBackError
// where it does not come on screen as the foreground window.
Opening openDialog(std::span<const std::byte> dialogTemplate, HINSTANCE resources,
                   const std::string& name, host::win32::ControlLook look);

}  // namespace tour::win32
