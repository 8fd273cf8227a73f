#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/error.h"
#include "host/forms_host.h"
#include "host/project.h"
#include "host/win32/control.h"
#include "host/win32/control_look.h"
#include "host/win32/members.h"

namespace host::win32 {

// The forms host on the Win32 API. A form is a top-level window of the host's own class whose
// client area is the form; its controls are the platform's standard child windows, made from
// the form's definition. Everything runs on the thread that created the host.
class Win32Host final : public FormsHost {
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
  // Makes the program's code for the form, binds its handlers and delivers the load event; the
  // focus is then set to go to the first control in tab order when the window is activated.
  void attachCode(FormRef form, const Project& project);
  // The form's top-level window.
  HWND window(FormRef form) const;
  HWND window(ControlRef control) const;

  // Called with every error that leaves an event handler; by default written to standard error
  // where one is attached and always to the debugger's output. The window stays usable.
  using ErrorReporter = std::function<void(Event, TextView source, const HostError&)>;
  void setErrorReporter(ErrorReporter reporter);
  // Called with every refusal of a call the program makes through the forms host, before the
  // error goes to the caller: tools count them.
  void setRefusalObserver(std::function<void(const HostError&)> observer);
  // Called when the user closes a form's window, after it is gone.
  void setClosedHandler(std::function<void(FormRef)> closed);
  // The program's name, at the start of each error report.
  void setApplicationName(std::string name);

  // Dispatches one message through the keyboard handling of the form it is for (Tab,
  // Shift+Tab, the arrow keys, Space), or to its window procedure.
  void dispatch(MSG& message);

  ControlRef control(FormRef form, TextView name, std::optional<std::int16_t> index = {}) const;
  std::vector<ControlRef> controlsOf(FormRef form) const;
  FormCode* code(FormRef form) const;

  // FormsHost.
  void setCaption(FormRef form, TextView caption) override;
  void setBackColor(FormRef form, ColorValue color) override;
  ControlCollection controls(FormRef form) override;
  void refresh(FormRef form) override;
  Enumerator startEnumeration(const ControlCollection& collection) override;
  void advance(Enumerator& enumerator) override;
  Text typeName(ControlRef control) override;
  Value getProperty(ControlRef control, TextView name) override;
  void setProperty(ControlRef control, TextView name, const Value& value) override;
  void callMethod(ControlRef control, TextView name, std::span<const Value> arguments) override;
  ColorValue rgb(int red, int green, int blue) override;
  bool textEquals(TextView left, TextView right) override;
  bool flagSet(Boolean flag) override;
  void yield() override;

  // A form as the host keeps it; its definition is the host's own (host/win32/form.h).
  struct Form;

 private:
  static LRESULT CALLBACK formProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT onMessage(Form& form, UINT message, WPARAM w, LPARAM l);
  LRESULT onColorMessage(HDC dc, HWND child);
  void onCommand(Form& form, WPARAM w, LPARAM l);
  void onActivate(Form& form, WPARAM w);
  void onDpiChanged(Form& form, UINT dpi, const RECT& suggested);
  void onDestroy(Form& form);
  Control* controlAt(HWND window) const;

  Form& formOf(FormRef form) const;
  Form* formAt(HWND window) const;
  Control& controlOf(ControlRef control) const;
  ControlRef createControl(Form& form, const ControlDefinition& definition, std::size_t position);
  std::vector<Control*> tabChain(const Form& form) const;
  void applyFormGeometry(Form& form);
  void threadTabOrder(Form& form);
  void focusFirstInTabOrder(Form& form);
  void run(Event event, TextView source, const std::function<void()>& handler);
  [[noreturn]] void refuse(ErrorCode code, const std::string& message) const;
  template <class F>
  auto guarded(F&& operation) const -> decltype(operation());

  std::unique_ptr<ThemedControls> themed_;  // none for the classic look
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<std::unique_ptr<Control>> controls_;
  ErrorReporter reportError_;
  std::function<void(const HostError&)> observeRefusal_;
  std::function<void(FormRef)> closed_;
  std::string applicationName_ = "skinbench";
};

}  // namespace host::win32
