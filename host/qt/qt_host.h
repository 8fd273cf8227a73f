#pragma once

#include <QWidget>

#include "host/core/host_core.h"
#include "host/project.h"
#include "host/qt/control.h"
#include "host/qt/form.h"
#include "host/qt/indicator.h"

namespace host::qt {

// The forms host on Qt 6 Widgets. A form is a top-level widget whose client area is the widget
// itself; its controls are child widgets made from the form's definition, or the widgets of a
// form built elsewhere that the host adopted. Everything runs on the GUI thread, and a
// QApplication must exist. By default an error that leaves an event
// handler is written to standard error as one line (event, source, code and message).
class QtHost final : public HostCore<Form, Control> {
 public:
  QtHost();
  ~QtHost() override;

  // Creates a form and its controls from a definition. The form is not shown.
  FormRef createForm(const FormDefinition& definition);
  // Takes `window`, a widget tree built elsewhere, as a form, and keeps it: its controls are
  // `controls`, widgets inside it, in the form's tab order (the window's focus chain), each with
  // its type name from the host's table of classes (host/qt/adoption.h) and its object name as
  // "Name". The window is not shown.
  FormRef adoptForm(std::unique_ptr<QWidget> window, const std::vector<QWidget*>& controls);

  // For tests and tools: the widgets of a form and of a control.
  QWidget* widget(FormRef form) const;
  QWidget* widget(ControlRef control) const;

 private:
  // The form's typed members and the event loop.
  void showCaption(Form& form, TextView caption) override;
  void showBackColor(Form& form, ColorValue color) override;
  void repaintNow(Form& form) override;
  void handlePendingEvents() override;

  // Building the form and its tab order.
  void createControl(Form& form, const ControlDefinition& definition);
  void threadTabOrder(Form& form) override;
  void focusFirstInTabOrder(Form& form) override;

  IndicatorFits indicatorFits_;  // the controls refer to it: the host lets them go first
};

}  // namespace host::qt
