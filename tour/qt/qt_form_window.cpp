#include "tour/qt/qt_form_window.h"

#include <QAbstractButton>
#include <QWidget>

#include "host/error.h"
#include "tour/qt/picture_convert.h"

namespace tour::qt {
namespace {

// Where the button draws its caption: centred, as both the style and the host draw it.
QRect captionRect(const QAbstractButton& button) {
  QRect caption = button.fontMetrics().boundingRect(button.text());
  caption.moveCenter(button.geometry().center());
  return caption.adjusted(-1, -1, 1, 1);
}

}  // namespace

QtFormWindow::QtFormWindow(std::function<void()> afterYield)
    : capturing_(qtHost_, std::move(afterYield)),
      form1_(countingRefusals(), capturing_.form1Project()) {
  showActive(form1_.window());
}

host::qt::QtHost& QtFormWindow::countingRefusals() {
  qtHost_.setRefusalObserver([this](const host::HostError&) { ++refused_; });
  return qtHost_;
}

Picture QtFormWindow::pressForReadingAtReturn(int method) {
  QImage atReturn;
  QAbstractButton& probar = form1_.probar();
  // Connected after the host's own handler, so it runs the moment that handler returns.
  const auto atClick = QObject::connect(&probar, &QAbstractButton::clicked, &probar,
                                        [&] { atReturn = tour::qt::readBack(form1_.window()); });
  pressFor(method);
  QObject::disconnect(atClick);
  return toPicture(atReturn);
}

std::string QtFormWindow::title() {
  return form1_.window().windowTitle().toStdString();
}

Area QtFormWindow::areaOf(host::ControlRef control) {
  return devicePixels(window(), qtHost_.widget(control)->geometry());
}

Area QtFormWindow::captionOf(host::ControlRef control) {
  const auto* button = qobject_cast<const QAbstractButton*>(qtHost_.widget(control));
  return button ? devicePixels(window(), captionRect(*button)) : Area{};
}

}  // namespace tour::qt
