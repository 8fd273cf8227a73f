#include "bench/qt/qt_floor.h"

#include <QLineEdit>
#include <QPalette>

#include "host/qt/graphical_button.h"

namespace bench {
namespace {

using host::qt::ControlType;
using host::qt::GraphicalButton;

const QColor kFondo(235, 236, 238);
const QColor kBoton(70, 130, 180);
const QColor kTextoBoton(255, 255, 255);
const QColor kFondoTexto(255, 255, 255);
const QColor kTexto(38, 42, 46);

void setRole(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}

void skinTextBox(QWidget& widget) {
  setRole(widget, QPalette::Base, kFondoTexto);
  setRole(widget, QPalette::Text, kTexto);
  static_cast<QLineEdit&>(widget).setFrame(true);
}

void skinBox(QWidget& widget) {
  widget.setAutoFillBackground(true);
  setRole(widget, widget.backgroundRole(), kFondo);
  setRole(widget, QPalette::WindowText, kTexto);
}

void graphicalFlat(GraphicalButton& button) {
  button.setGraphical(true);
  button.setRaised(false);
}

}  // namespace

QtFloor::QtFloor(host::qt::QtHost& host, host::FormRef form) : window_(host.widget(form)) {
  for (const host::ControlRef control : host.controlsOf(form)) {
    const auto type = host::qt::controlTypeNamed(host.typeName(control));
    const bool command1 = host.getProperty(control, u"Name").asText() == u"Command1";
    items_.push_back({*type, host.widget(control), command1});
  }
}

void QtFloor::cargarSkin() const {
  QPalette palette = window_->palette();
  palette.setColor(QPalette::Window, kFondo);
  window_->setAutoFillBackground(true);
  window_->setPalette(palette);
  for (const Item& item : items_) {
    switch (item.type) {
      case ControlType::TextBox:
        skinTextBox(*item.widget);
        break;
      case ControlType::CheckBox:
      case ControlType::OptionButton:
        skinBox(*item.widget);
        break;
      case ControlType::CommandButton: {
        auto& button = static_cast<GraphicalButton&>(*item.widget);
        button.setTextColor(kTextoBoton);
        graphicalFlat(button);
        button.setFaceColor(kBoton);
        break;
      }
      case ControlType::Other:  // the skin leaves a type it does not know alone
        break;
    }
  }
}

void QtFloor::aplicarMetodo1() const {
  for (const Item& item : items_) {
    if (!item.command1) continue;
    auto& button = static_cast<GraphicalButton&>(*item.widget);
    graphicalFlat(button);
    button.setFaceColor(kBoton);
    button.setTextColor(kTextoBoton);
  }
}

}  // namespace bench
