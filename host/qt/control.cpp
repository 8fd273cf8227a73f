#include "host/qt/control.h"

#include "host/qt/convert.h"

namespace host::qt {

std::string describe(const Control& control) {
  std::string text = toUtf8(control.name);
  if (control.index) text.append("(").append(std::to_string(*control.index)).append(")");
  return text;
}

void applyGeometry(Control& control) {
  control.widget->setGeometry(toPixels(control.left), toPixels(control.top),
                              toPixels(control.width), toPixels(control.height));
}

}  // namespace host::qt
