#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace host::qt {

// The top-level widget of a form. Assistive technology sees it as a window named by its
// caption, learns of every new caption, and gets the form's controls as the window's children
// in tab order (the host's enumeration keeps the definition's order; this is only what a screen
// reader walks).
class FormWidget final : public QWidget {
 public:
  FormWidget();

  void setControlsInTabOrder(std::vector<QWidget*> controls);
  // The controls in tab order, then any other child widget in creation order.
  std::vector<QWidget*> accessibleChildren() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  std::vector<QPointer<QWidget>> tabOrder_;
};

}  // namespace host::qt
