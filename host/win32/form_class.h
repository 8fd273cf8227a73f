#pragma once

#include <string>

#include "host/win32/form.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

inline constexpr wchar_t kFormClass[] = L"SkinbenchForm";

// Registers the forms' window class, once in the process, with the icon group that the first form
// names (none where it names none) at `systemDpi`, the system's dots per inch, and returns the name
// of that icon. A window shows its class's icon from the moment it is made; one given to it
// afterwards (WM_SETICON) is converted again by the window system, for each of its sizes (under
// Wine, for the X window manager, at each such message).
const std::wstring& registerFormClass(WNDPROC procedure, const std::wstring& iconName,
                                      UINT systemDpi);

// Whether a form needs icons of its own beside its class's: it names another icon than the class
// carries, or its window is shown at other dots per inch than the class's icons were made for.
bool needsOwnIcons(const Form& form, const std::wstring& classIcon, UINT systemDpi);

// Gives the form's window icons of its own at its dots per inch: its icon group, or the system's
// default icon where it names none.
void showOwnIcons(Form& form);

// The icon a window shows at a size (WM_GETICON's ICON_BIG or ICON_SMALL): its own, else its
// class's.
LRESULT iconShown(HWND window, WPARAM size);

}  // namespace host::win32
