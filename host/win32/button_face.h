#pragma once

#include "host/win32/control.h"

namespace host::win32 {

// Paints a graphical command button: the face in "BackColor", flat with a one-pixel border
// ("Appearance" 0) or raised with a 3-D bevel (1), the caption in "ForeColor", a pressed look,
// grey text when disabled, and a focus ring in black or white, whichever stands out more on
// the face. Every band is a whole number of device pixels wide at the window's resolution.
void paintGraphicalButton(const DRAWITEMSTRUCT& item, const Control& control, UINT dpi);

}  // namespace host::win32
