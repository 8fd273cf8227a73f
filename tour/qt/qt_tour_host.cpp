#include "tour/qt/qt_tour_host.h"

#include <QApplication>
#include <QGuiApplication>

#include "tour/qt/qt_form_window.h"

namespace tour::qt {

void QtTourHost::useStyle(const std::string& style) {
  QApplication::setStyle(QString::fromStdString(style));
  style_ = style;
}

std::string QtTourHost::platformName() {
  return QGuiApplication::platformName().toStdString();
}

std::string QtTourHost::verdictsHeading(const std::string& style) {
  return style + " style on the " + platformName() + " platform";
}

std::unique_ptr<FormWindow> QtTourHost::loadForm1(std::function<void()> afterYield) {
  return std::make_unique<QtFormWindow>(std::move(afterYield));
}

}  // namespace tour::qt
