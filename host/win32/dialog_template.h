#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/win32/windows_api.h"

namespace host::win32 {

// A dialog template (DLGTEMPLATE or DLGTEMPLATEEX) read as the dialog manager reads it, as far as
// the host needs: the dialog's style, and the window classes it names, to tell which one is
// missing when the dialog manager cannot make the dialog and gives no reason.
class DialogTemplate {
 public:
  // A window class the template names: the dialog's own (no control), or a control's.
  struct NamedClass {
    std::wstring name;
    std::optional<long> control;  // the control's id
  };

  explicit DialogTemplate(std::span<const std::byte> bytes);

  // Whether the template holds its header: the style and the controls' count.
  bool whole() const { return whole_; }
  DWORD style() const { return style_; }
  // The classes named by name, the dialog's own first, then the controls' in order, as far as
  // the template holds them; the platform's classes given by number are left out.
  std::vector<NamedClass> classesNamed() const;

 private:
  std::span<const std::byte> bytes_;
  bool extended_ = false;
  bool whole_ = false;
  DWORD style_ = 0;
  WORD controls_ = 0;
};

}  // namespace host::win32
