#pragma once

// The forms run: the user's own forms, skinned by the real CargarSkin as Form1's load skins
// Form1, each control read off the screen's pixels before and after.
//
// What a platform provides, and what the core does with it:
//
//   FormsLoader   loads a file named on the command line (--form FILE). It refuses a file that is
//                 not a form or a program, is malformed or holds no forms, in one line; the core
//                 has already refused a file that is missing or cannot be read. Otherwise it
//                 gives the file's forms as FormEntry objects.
//   FormEntry     one form of a file ("login.ui", "comdlg32.dll#1540"). open() makes it in a
//                 style, adopted by the host and shown as the active window, or says in one line
//                 why it cannot be made. skin() gives the whole result; by default skinForm()
//                 computes it here, and a platform may override it to compute it elsewhere (in a
//                 child process that runs skinForm() and writes serializeFormResult()'s bytes),
//                 so that a form that faults cannot take the run down with it.
//   AdoptedForm   the form on screen: the host it lives on, its controls in the host's order
//                 (the form's tab order) with the class the platform reports for each, the
//                 pixels, the watch, and where each control is and draws its text.
//
// The core's run (formsInto() in forms_program.h) loads every file before anything is written,
// then for each file, form and style opens the form, reads it back (checked against a fresh
// rendering), runs testbench::CargarSkin on the form through a host that records each control's
// calls, reads it back again and writes forms.csv, forms.md and forms.png.
//
// The form's own background is read off its pixels: the commonest colour of the client area
// outside every control. Pictures and areas are in the window's device pixels, the client area's
// top left corner at (0, 0).

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/forms_host.h"
#include "host/handles.h"
#include "tour/core/form_result.h"
#include "tour/core/tour_host.h"

namespace tour {

// A control of an adopted form and its class as the platform reports it: "QPushButton",
// "MyWidget (as QPushButton)", "BUTTON". Its type name is the host's typeName().
struct AdoptedControl {
  host::ControlRef control;
  std::string className;
};

// A form the tour did not make, adopted by a host and shown as the active window, kept from the
// user's pointer and keys. Closing it is the destructor's.
class AdoptedForm : public ShownWindow {
 public:
  // The host the form lives on, and the form as that host knows it.
  virtual host::FormsHost& host() = 0;
  virtual host::FormRef form() = 0;
  // Its controls in the host's order: the form's tab order.
  virtual std::vector<AdoptedControl> controls() = 0;
  // Where a control is, and where it draws its text; none where it shows no text.
  virtual Area areaOf(host::ControlRef control) = 0;
  virtual std::optional<Area> textAreaOf(host::ControlRef control) = 0;
};

// A form made in a style, or the one line that says why it could not be.
struct Opening {
  std::unique_ptr<AdoptedForm> form;
  std::string reason;  // where `form` is empty: "its class MyClass is the file's own"
};

// One form of a forms file.
class FormEntry {
 public:
  virtual ~FormEntry() = default;

  // The form's name in the reports: the file's name (fileNameOf()), and for a program's dialog
  // also its resource name or number: "login.ui", "comdlg32.dll#1540", "app.exe#LOGIN".
  virtual std::string name() const = 0;
  // Makes the form in `style`, one of the host's style names (the host already draws in it),
  // and shows it as the active window; throws ReadBackError where it does not come on screen so.
  virtual Opening open(const std::string& style) = 0;
  // The form skinned in `style`, read on `platform` (the host's platformName()). By default
  // skinForm(*this, style, platform), in this process.
  virtual FormResult skin(const std::string& style, const std::string& platform);
};

// Why a file gives no forms. Each ends the run with status 2 before anything is written.
enum class FileRefusal {
  Unreadable,  // missing, not a file, or cannot be read
  NotAForm,    // neither a form nor a program
  Malformed,   // a form whose text is not well formed, a program whose resources are broken
  NoForms,     // a program with no dialogs
};

// A file's forms, in the file's order, or why it has none.
struct LoadedFile {
  std::vector<std::unique_ptr<FormEntry>> forms;
  std::optional<FileRefusal> refusal;
  std::string reason;  // one line, where refused: "not a Designer form or a program"
};

// A platform's reader of the files given with --form.
class FormsLoader {
 public:
  virtual ~FormsLoader() = default;
  // `path` (UTF-8) names a regular file that could be opened for reading.
  virtual LoadedFile load(const std::string& path) = 0;
};

// The whole run on one form in one style: opens it, reads it back, skins it with the real
// CargarSkin (Quitar3D true, SkinPreview -1) through a recording host, settles, reads it back
// again. Never throws: a form that cannot be made, that faults, or whose pixels cannot be
// trusted gives a result that says so.
FormResult skinForm(FormEntry& entry, const std::string& style, const std::string& platform);

// The last part of a path (UTF-8), as a form's name begins: "/tmp/login.ui" -> "login.ui".
std::string fileNameOf(const std::string& path);

}  // namespace tour
