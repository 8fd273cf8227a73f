#pragma once

// The Win32 API with wide-character entry points and without the min/max macros. The build
// defines these too; defining them here as well keeps every file of the host on the same terms.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Messages of newer systems than the oldest one the program runs on; looked for at run time.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
