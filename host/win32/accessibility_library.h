#pragma once

#include <oleacc.h>

#include "host/win32/windows_api.h"

namespace host::win32 {

// The platform's accessibility functions, loaded when assistive technology first asks for a
// control's accessible object rather than when the program starts: most runs never meet a
// screen reader, and loading the accessibility and COM libraries at start would slow every one.
// The first use also makes the asking thread, the user-interface thread, a single-threaded
// apartment, as those functions expect.
class AccessibilityLibrary {
 public:
  // The loaded library, or nullptr where it cannot be loaded (the caller then leaves the request
  // to the platform's own handling).
  static const AccessibilityLibrary* get();

  HRESULT(WINAPI* objectFromWindow)(HWND, DWORD, REFIID, void**) = nullptr;
  LRESULT(WINAPI* resultFromObject)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
  BSTR(WINAPI* allocateString)(const OLECHAR*) = nullptr;

  AccessibilityLibrary(const AccessibilityLibrary&) = delete;
  AccessibilityLibrary& operator=(const AccessibilityLibrary&) = delete;
  ~AccessibilityLibrary();

 private:
  AccessibilityLibrary();
  bool loaded() const;

  HRESULT apartment_ = E_FAIL;
  HMODULE com_ = nullptr;
  HMODULE automation_ = nullptr;
  HMODULE accessibility_ = nullptr;
};

}  // namespace host::win32
