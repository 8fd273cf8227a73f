#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "host/error.h"
#include "host/forms_host.h"
#include "host/project.h"
#include "host/qt/control.h"
#include "host/qt/indicator.h"
#include "host/qt/members.h"

namespace host::qt {

// The forms host on Qt 6 Widgets. A form is a top-level widget whose client area is the widget
// itself; its controls are child widgets made from the form's definition. Everything runs on
// the GUI thread, and a QApplication must exist.
class QtHost final : public FormsHost {
 public:
  QtHost();
  ~QtHost() override;

  // Creates a form and its controls from a definition. The form is not shown.
  FormRef createForm(const FormDefinition& definition);
  // Makes the program's code for the form, wires its handlers and delivers the load event; then
  // puts the focus on the first control in tab order.
  void attachCode(FormRef form, const Project& project);

  // Called with every error that leaves an event handler; by default written to standard error
  // as one line (event, source, code and message). The event loop goes on either way.
  using ErrorReporter = std::function<void(Event, TextView source, const HostError&)>;
  void setErrorReporter(ErrorReporter reporter);
  // Called with every refusal of a host operation, before it is raised to the program.
  void setRefusalObserver(std::function<void(const HostError&)> observer);

  // For tests and tools: the widgets, the controls and the program's code of a form.
  QWidget* widget(FormRef form) const;
  QWidget* widget(ControlRef control) const;
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

 private:
  struct Form;

  Form& formOf(FormRef form) const;
  Control& controlOf(ControlRef control) const;
  void threadTabOrder(Form& form);
  static void focusFirstInTabOrder(Form& form);
  void createControl(Form& form, const ControlDefinition& definition);
  void run(Event event, TextView source, const std::function<void()>& handler);
  [[noreturn]] void refuse(ErrorCode code, const std::string& message) const;
  template <class F>
  auto guarded(F&& operation) const -> decltype(operation());

  IndicatorFits indicatorFits_;  // the controls refer to it: made before them, gone after them
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<std::unique_ptr<Control>> controls_;
  ErrorReporter reportError_;
  std::function<void(const HostError&)> observeRefusal_;
};

}  // namespace host::qt
