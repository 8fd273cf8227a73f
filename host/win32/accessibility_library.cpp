#include "host/win32/accessibility_library.h"

#include <initializer_list>

namespace host::win32 {
namespace {

// GetProcAddress's result as the function pointer type it is known to be.
template <typename Function>
void bind(Function& function, HMODULE library, const char* name) {
  if (!library) return;
  const FARPROC address = GetProcAddress(library, name);
  static_assert(sizeof(Function) == sizeof(address));
  if (address) function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

const AccessibilityLibrary* AccessibilityLibrary::get() {
  // Each thread that asks has its own apartment, so each has its own copy.
  static thread_local const AccessibilityLibrary library;
  return library.loaded() ? &library : nullptr;
}

AccessibilityLibrary::AccessibilityLibrary()
    : com_(LoadLibraryW(L"ole32.dll")),
      automation_(LoadLibraryW(L"oleaut32.dll")),
      accessibility_(LoadLibraryW(L"oleacc.dll")) {
  HRESULT(WINAPI * initialize)(void*, DWORD) = nullptr;
  bind(initialize, com_, "CoInitializeEx");
  if (initialize) apartment_ = initialize(nullptr, COINIT_APARTMENTTHREADED);
  bind(objectFromWindow, accessibility_, "AccessibleObjectFromWindow");
  bind(resultFromObject, accessibility_, "LresultFromObject");
  bind(allocateString, automation_, "SysAllocString");
}

AccessibilityLibrary::~AccessibilityLibrary() {
  void(WINAPI * uninitialize)() = nullptr;
  bind(uninitialize, com_, "CoUninitialize");
  if (SUCCEEDED(apartment_) && uninitialize) uninitialize();
  for (HMODULE library : {accessibility_, automation_, com_}) {
    if (library) FreeLibrary(library);
  }
}

bool AccessibilityLibrary::loaded() const {
  return SUCCEEDED(apartment_) && objectFromWindow && resultFromObject && allocateString;
}

}  // namespace host::win32
