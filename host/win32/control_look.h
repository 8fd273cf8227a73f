#pragma once

#include <memory>
#include <type_traits>

#include "host/win32/windows_api.h"

namespace host::win32 {

// How the platform draws the controls it draws. Classic controls take the colours the host gives
// them through the colour messages; themed controls are the platform's visual-styles controls
// (Common Controls 6), drawn from the active theme, which decides what a colour set on them
// shows. A button the host draws itself (Style 1) is drawn by the host in both.
enum class ControlLook { Classic, Themed };

// The id of the manifest resource (type 24) that asks for the visual-styles controls. A program
// that creates themed controls carries it (host/win32/themed_controls.manifest) beside its own
// manifest, id 1, which asks for none: the process as a whole stays classic.
inline constexpr int kThemedControlsManifest = 2;

// The activation context of the visual-styles controls, made once from the executable's
// manifest resource. The common controls library is loaded inside it and kept loaded as long as
// this object lives, so that the platform's window classes resolve to the themed ones.
class ThemedControls {
 public:
  // Throws std::runtime_error when the system gives no such context: without it the controls
  // would come out classic and be reported as themed.
  ThemedControls();
  ThemedControls(const ThemedControls&) = delete;
  ThemedControls& operator=(const ThemedControls&) = delete;

  // While a Scope lives, windows created on this thread get the visual-styles controls.
  class Scope {
   public:
    explicit Scope(const ThemedControls& themed);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
  };

 private:
  struct ContextRelease {
    void operator()(HANDLE context) const { ReleaseActCtx(context); }
  };
  struct LibraryRelease {
    void operator()(HMODULE library) const { FreeLibrary(library); }
  };
  std::unique_ptr<void, ContextRelease> context_;
  std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease> commonControls_;
};

}  // namespace host::win32
