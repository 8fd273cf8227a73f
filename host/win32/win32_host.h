#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "host/core/host_core.h"
#include "host/project.h"
#include "host/win32/control.h"
#include "host/win32/control_look.h"
#include "host/win32/form.h"

namespace host::win32 {

// The forms host on the Win32 API. A form is a top-level window of the host's own class whose
// client area is the form; its controls are the platform's standard child windows, made from
// the form's definition. Everything runs on the thread that created the host. By default an
// error that leaves an event handler is written to standard error where one is attached and
// always to the debugger's output; the window stays usable.
class Win32Host final : public HostCore<Form, Control> {
 public:
  // `look` is how the platform draws the controls of every form this host creates; themed throws
  // std::runtime_error where the system cannot give the visual-styles controls.
  explicit Win32Host(ControlLook look = ControlLook::Classic);
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

  // Creates a form and its controls from a definition. The window is not shown. `iconName`
  // names the icon group among the executable's resources ("#1"); empty or missing for none.
  FormRef createForm(const FormDefinition& definition, const std::string& iconName = {});
  // Makes a dialog from a template (DLGTEMPLATE or DLGTEMPLATEEX, as a program's resources hold
  // it) with the platform's dialog manager, in this host's look, and adopts it as a form named
  // `name`: its controls are the dialog's child windows in the dialog's window order, which is
  // its tab order (host/win32/adoption.h). `resources` is the module the template came from,
  // where the dialog looks for its icons and menu; none of its code runs, since the dialog's
  // procedure is the host's. The common-control classes are registered first. A dialog with the
  // child style is made inside a top-level window of the host's own, sized to it. The window is
  // not shown. Throws std::runtime_error with the system's reason where it cannot be made.
  FormRef adoptDialog(std::span<const std::byte> dialogTemplate, HINSTANCE resources,
                      TextView name);
  // The form's window: Form1's top-level window, or an adopted dialog.
  HWND window(FormRef form) const;
  HWND window(ControlRef control) const;
  // The top-level window the form is shown in: its own window, or the one that holds a child
  // dialog.
  HWND shownWindow(FormRef form) const;

  // Called when the user closes a form's window, after it is gone.
  void setClosedHandler(std::function<void(FormRef)> closed);
  // The program's name, at the start of each error report.
  void setApplicationName(std::string name);

  // Dispatches one message through the keyboard handling of the form it is for (Tab,
  // Shift+Tab, the arrow keys, Space), or to its window procedure.
  void dispatch(MSG& message);

 private:
  // The form's window: its messages and the event loop's dispatch.
  static LRESULT CALLBACK formProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT onMessage(Form& form, UINT message, WPARAM w, LPARAM l);
  std::optional<LRESULT> answerShared(Form& form, UINT message, WPARAM w, LPARAM l);
  LRESULT onColorMessage(HDC dc, HWND child);
  void onCommand(Form& form, WPARAM w, LPARAM l);
  void onActivate(Form& form, WPARAM w);
  void onDpiChanged(Form& form, UINT dpi, const RECT& suggested);
  void onDestroy(Form& form);
  Control* controlAt(HWND window) const;
  Form* formAt(HWND window) const;
  void handlePendingEvents() override;

  // Building the form, its tab order, and its typed members.
  Control& createControl(Form& form, const ControlDefinition& definition, std::size_t position,
                         const Control* before);
  void adoptControl(Form& form, HWND window, std::size_t position);
  Control& takeControl(Form& form, std::unique_ptr<Control> made);
  void applyFormGeometry(Form& form);
  void threadTabOrder(Form& form) override;
  void focusFirstInTabOrder(Form& form) override;
  void showCaption(Form& form, TextView caption) override;
  void showBackColor(Form& form, ColorValue color) override;
  void repaintNow(Form& form) override;

  std::unique_ptr<ThemedControls> themed_;  // none for the classic look
  std::function<void(FormRef)> closed_;
  std::string applicationName_ = "skinbench";
};

}  // namespace host::win32
