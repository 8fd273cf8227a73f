#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "host/win32/windows_api.h"
#include "tour/core/adopted_form.h"

namespace tour::win32 {

// A dialog template's resource name: a number, or a name where it has one.
struct DialogName {
  WORD number = 0;
  std::wstring text;  // empty for a number

  // As the reports give it after the file's name: "1540", "LOGIN".
  std::string shown() const;
};

// A program's file, an .exe or a .dll of either bitness, loaded as data only: its resources can
// be read and none of its code runs.
class DialogFile {
 public:
  // Loads the file at `path` (UTF-8) and lists its dialog templates in the file's order, or says
  // in refusal() and reason() why it gives none: not a program, a program the system cannot load
  // or whose resources are broken, a program with no dialogs.
  explicit DialogFile(const std::string& path);

  const std::optional<FileRefusal>& refusal() const { return refusal_; }
  const std::string& reason() const { return reason_; }
  const std::vector<DialogName>& dialogs() const { return dialogs_; }

  // The module the templates are in, for the dialog manager's look-ups of icons and menus.
  HINSTANCE module() const { return module_.get(); }
  // A dialog's template as the resources hold it; empty where it cannot be found or read.
  std::span<const std::byte> templateOf(const DialogName& dialog) const;

 private:
  void refuse(FileRefusal refusal, std::string reason);
  static BOOL CALLBACK collect(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR self);

  struct ModuleRelease {
    void operator()(HMODULE module) const { FreeLibrary(module); }
  };
  std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleRelease> module_;
  std::vector<DialogName> dialogs_;
  std::optional<FileRefusal> refusal_;
  std::string reason_;
};

}  // namespace tour::win32
