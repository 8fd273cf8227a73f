#include "host/win32/control_look.h"

#include <stdexcept>
#include <string>

namespace host::win32 {
namespace {

[[noreturn]] void cannotTheme(const char* what) {
  throw std::runtime_error(std::string("the themed controls are not available: ") + what +
                           " (system error " + std::to_string(GetLastError()) + ")");
}

}  // namespace

ThemedControls::ThemedControls() {
  wchar_t self[MAX_PATH]{};
  if (!GetModuleFileNameW(nullptr, self, MAX_PATH)) cannotTheme("the program's path is unknown");
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
  request.lpSource = self;
  request.hModule = GetModuleHandleW(nullptr);
  request.lpResourceName = MAKEINTRESOURCEW(kThemedControlsManifest);
  const HANDLE context = CreateActCtxW(&request);
  if (context == INVALID_HANDLE_VALUE) cannotTheme("the program carries no manifest for them");
  context_.reset(context);
  const Scope scope(*this);
  commonControls_.reset(LoadLibraryW(L"comctl32.dll"));
  if (!commonControls_) cannotTheme("the common controls library could not be loaded");
}

ThemedControls::Scope::Scope(const ThemedControls& themed)
    : active_(ActivateActCtx(themed.context_.get(), &cookie_) != FALSE) {
  if (!active_) cannotTheme("their activation context could not be activated");
}

ThemedControls::Scope::~Scope() {
  if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace host::win32
