#include "host/qt/control.h"

#include "host/qt/convert.h"

namespace host::qt {

void nameForAssistiveTechnology(const Control& control) {
  const QString label = QString::fromStdString(describe(control));
  control.widget->setAccessibleDescription(label);
  if (control.type == ControlType::TextBox) control.widget->setAccessibleName(label);
}

void applyGeometry(Control& control) {
  control.widget->setGeometry(toPixels(control.left), toPixels(control.top),
                              toPixels(control.width), toPixels(control.height));
}

}  // namespace host::qt
